// Window layout of the file selection dialog: places and sizes in pixels of
// the client area (left, top, width, height), captions, hints, column
// captions and the texts of its messages.
#pragma once

#include "forms/Layout.h"

namespace BrowseFileDlgLayout {

using Layout::Place;

constexpr const char* FormCaption = "ファイルの選択";
constexpr int DesignedClientWidth = 497, DesignedClientHeight = 352;
// The outer size given at creation: it cuts the designed area off below the
// two buttons, so FilenameEdit, Label3 and FilterComboBox1 lie out of sight.
constexpr int OuterWidth = 505, OuterHeight = 265;

constexpr int Panel2Height = 28;  // top strip, full width, no bevel

// In Panel2.
constexpr Place Label1{8, 8, 100, 13};
constexpr const char* Label1Caption = "ファイルの場所（&I）:";
constexpr Place ComboBox1{112, 3, 219, 22};
constexpr int ComboBox1ItemHeight = 16;
constexpr Place UpSpeedBtn{341, 3, 25, 25};
constexpr const char* UpSpeedBtnHint = "1つ上のフォルダへ移動";
constexpr Place SpeedButton1{366, 3, 25, 25};
constexpr const char* SpeedButton1Hint = "新しいフォルダの作成";
constexpr Place ViewSpeedBtn{391, 3, 25, 25};
constexpr const char* ViewSpeedBtnHint = "表示";
constexpr int ViewSpeedBtnMargin = 3;
constexpr Place ArrowSpeedBtn{416, 3, 11, 25};
constexpr const char* ArrowSpeedBtnHint = "表示";

// In the form.
constexpr Place ListView1{8, 32, 481, 129};
constexpr int ListView1ColumnWidth = 100;
constexpr Place ViewListBox{391, 27, 54, 31};
constexpr int ViewListBoxItemHeight = 12;
constexpr const char* ViewListBoxItems[] = {"一覧", "詳細"};
constexpr Place Label2{8, 171, 84, 13};
constexpr const char* Label2Caption = "ファイル名（&N）:";
constexpr Place FileComboBox{96, 168, 289, 20};
constexpr int FileComboBoxItemHeight = 12;
constexpr Place OpenButton{400, 168, 89, 23};
constexpr const char* OpenButtonCaption = "開く";
constexpr Place CancelButton{400, 200, 89, 23};
constexpr const char* CancelButtonCaption = "キャンセル";
constexpr Place FilenameEdit{144, 272, 241, 20};
constexpr Place Splitter1{0, 28, 3, 324};
constexpr Place Label3{8, 307, 120, 13};
constexpr const char* Label3Caption = "ファイルの種類（&T）:";
constexpr Place FilterComboBox1{144, 304, 241, 20};
constexpr const char* FilterComboBox1Filter = "すべてのファイル (*.*)|*.*";

// PopupMenu1.
constexpr const char* CutItemCaption = "切り取り(&T)";
constexpr const char* CopyItemCaption = "コピー(&C)";
constexpr const char* PasteItemCaption = "貼り付け(&P)";
constexpr const char* DelItemCaption = "削除(&D)";
constexpr const char* RenameItemCaption = "名前の変更(&M)";

// Columns of ListView1: a folder listing and the drives view.
struct Column {
    const char* Caption;
    bool RightJustify;
};
constexpr Column FolderColumns[] = {{"名前", false}, {"サイズ", true}, {"ファイルの種類", false}, {"更新日時", false}};
constexpr Column DriveColumns[] = {{"名前", false}, {"種類", false}, {"合計サイズ", true}, {"空き領域", true}};

// The computer entry of the location box.
constexpr const char* ComputerCaption = "マイ コンピュータ";

// Messages: text before and after the path they name, and captions.
constexpr const char* AccessInfoBefore = "ファイル '";
constexpr const char* AccessInfoAfter = "' にアクセスできません。     \r\n"
                                        "使用できないか、またはパスワードで保護されている可能性があります。     ";
constexpr const char* AccessInfoCaption = "アクセス情報";
constexpr const char* FolderMissingBefore = "フォルダ '";
constexpr const char* FolderMissingAfter = "' は存在しません。";
constexpr const char* FolderMissingCaption = "エラー";
constexpr const char* DeviceNotReadyAfter = " にアクセスできません。\n\nデバイスの準備ができていません。";
constexpr const char* DeviceErrorCaption = "デバイスエラー";
// Progress titles of the shell's file operations.
constexpr const char* CopyProgressTitle = "コピー中...";
constexpr const char* MoveProgressTitle = "貼り付け中...";
constexpr const char* DeleteProgressTitle = "削除中...";
constexpr const char* RenameProgressTitle = "名前の変更中...";
constexpr const char* InvalidFileAfter = "\n\nディレクトリ名が無効です。";
// Paste of a folder into itself or one of its own sub-folders.
constexpr const char* PasteIntoItselfBefore = "フォルダ '";
constexpr const char* PasteIntoItselfAfter = "' を、そのフォルダ自身またはそのサブフォルダの中に貼り付けることはできません。";
constexpr const char* CopyIntoItselfCaption = "フォルダのコピーエラー";
constexpr const char* MoveIntoItselfCaption = "フォルダの移動エラー";

}  // namespace BrowseFileDlgLayout
