// Image lists. One bound to a list the system owns (the shell's small icons)
// is shared: freeing the object never destroys the system's list.
#pragma once

#include "gui/Classes.h"
#include "gui/Graphics.h"
#include "gui/Win32.h"

enum TDrawingStyle { dsNormal, dsTransparent };

class TImageList : public TObject {
public:
    TImageList() = default;
    ~TImageList() override;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    HIMAGELIST Handle() const { return handle_; }
    // Takes the list; destroys the previous one unless it was shared.
    void SetHandle(HIMAGELIST h);
    // A shared list belongs to someone else and is never destroyed here.
    bool ShareImages = false;
    int Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }
    // Makes a new list of its own for images of that size, in colour with a mask.
    void CreateSize(int width, int height);
    // Adds a copy of the icon; returns its index, or -1.
    int AddIcon(HICON icon);
    TDrawingStyle DrawingStyle = dsNormal;
    // Draws image `index` with its top left corner at x, y.
    void Draw(TCanvas& canvas, int x, int y, int index) const;

private:
    void Release();
    HIMAGELIST handle_ = nullptr;
};
