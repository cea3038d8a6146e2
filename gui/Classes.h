// Basic types shared by the GUI layer: objects, event types, rectangles and
// the string list.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A handler bound to a member function of a form (or any object):
//     OpenMenu->OnClick = Bind(this, &TFilesForm::OpenMenuClick);
// The result fits every handler field whose arguments the member function
// takes (notify, mouse, key, draw-item, compare, close-query...).
template <class C, class R, class... A>
auto Bind(C* object, R (C::*method)(A...))
{
    return [object, method](A... args) -> R { return (object->*method)(std::forward<A>(args)...); };
}

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state bits, as a plain bit set.
enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned short& Key, TShiftState Shift)>;
// Files dropped onto a control: their paths (code page 932) in the order the
// shell gives them, and the point of the drop in the control's client area.
using TDropFilesEvent = std::function<void(TObject* Sender, const std::vector<std::string>& Files, int X, int Y)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// Runs a function when the scope it was made in ends, by an exception too.
template <class F>
class TScopeExit {
public:
    explicit TScopeExit(F f) : f_(std::move(f)) {}
    ~TScopeExit() { f_(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F f_;
};

// Modal results.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

// A list of Shift-JIS texts. Loading from a file follows the program's line
// rules (see text/Lines.h); Text joins the entries with CR LF after each.
class TStringList : public TObject {
public:
    int Count() const { return (int)Strings.size(); }
    const std::string& operator[](int i) const { return Strings[i]; }
    std::string& operator[](int i) { return Strings[i]; }
    void Add(const std::string& s) { Strings.push_back(s); }
    void Insert(int index, const std::string& s) { Strings.insert(Strings.begin() + index, s); }
    void Delete(int index) { Strings.erase(Strings.begin() + index); }
    void Clear() { Strings.clear(); }
    int IndexOf(const std::string& s) const;
    void Assign(const TStringList& other) { Strings = other.Strings; }

    std::string Text() const;
    void SetText(const std::string& text);

    // Reads the whole file, denying other programs write access while it is
    // open. Raises EFOpenError "ﾌｧｲﾙ <path> は開けません" when it cannot be opened.
    void LoadFromFile(const std::string& fileName);

    std::vector<std::string> Strings;
};

// Reads a whole file as bytes, opened for reading with write access denied to
// others. Raises EFOpenError when the file cannot be opened.
std::string ReadWholeFile(const std::string& fileName);
