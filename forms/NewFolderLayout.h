// Window layout of the new-folder dialog: its screen position, places and
// sizes in pixels of the client area (left, top, width, height), captions,
// and the text of its message.
#pragma once

#include "forms/Layout.h"

namespace NewFolderLayout {

using Layout::Place;

constexpr const char* FormCaption = "新しいフォルダ";
constexpr int ScreenLeft = 317, ScreenTop = 156;
constexpr int ClientWidth = 392, ClientHeight = 104;

constexpr Place Label1{16, 15, 120, 12};
constexpr const char* Label1Caption = "現在のフォルダ:";
// Fixed size: the current folder is shortened to fit its width.
constexpr Place FolderLabel{16, 38, 273, 12};
constexpr Place Label2{16, 66, 52, 12};
constexpr const char* Label2Caption = "名前(&N):";
constexpr Place FolderEdit{72, 64, 217, 20};
constexpr const char* FolderEditText = "新しいフォルダ";
constexpr Place OKBtn{294, 8, 85, 22};
constexpr const char* OKBtnCaption = "OK";
constexpr Place CancelBtn{294, 35, 85, 22};
constexpr const char* CancelBtnCaption = "キャンセル";

// The folder cannot be created: the message names the text of the name box.
constexpr const char* CannotCreateBefore = "'";
constexpr const char* CannotCreateAfter = "' という名前のフォルダが既に存在します。別のフォルダ名を入力してください。";
constexpr const char* CannotCreateCaption = "フォルダの確認";

}  // namespace NewFolderLayout
