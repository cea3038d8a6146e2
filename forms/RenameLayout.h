// Window layout of the rename dialog: places and sizes in pixels of the
// client area (left, top, width, height), captions, and the texts of the
// rename command's messages.
#pragma once

#include "forms/Layout.h"

namespace RenameLayout {

using Layout::Place;

constexpr const char* FormCaption = "名前の変更";
constexpr int ClientWidth = 344, ClientHeight = 104;

constexpr Place Label1{24, 16, 297, 12};
constexpr const char* Label1Caption = "新しい名前を指定してください。";
constexpr Place NameEdit{24, 32, 297, 20};
constexpr Place OkBtn{140, 64, 85, 22};
constexpr const char* OkBtnCaption = "OK";
constexpr Place CancelBtn{236, 64, 85, 22};
constexpr const char* CancelBtnCaption = "キャンセル";

// The new name is taken: the message names the old name between its quote
// marks.
constexpr const char* NameTakenBefore = "'";
constexpr const char* NameTakenAfter = "' の名前を変更できません。     \r\n"
                                       "指定されたファイル名は既に存在します。別の名前を指定してください。     ";
constexpr const char* NameTakenCaption = "ファイルまたはフォルダ名の変更エラー";

// The new name is one the file system refuses: the message names it.
constexpr const char* NameRefusedBefore = "'";
constexpr const char* NameRefusedAfter = "' という名前は使用できません。     \r\n"
                                         "ファイル名には次の文字は使えません: \\ / : * ? \" < > |     \r\n"
                                         "名前の最後のピリオドや空白、CON や NUL などの予約された名前も使えません。     ";
constexpr const char* NameRefusedCaption = "ファイルまたはフォルダ名の変更エラー";

}  // namespace RenameLayout
