// The texts of the comparison window: its caption, the captions of its main
// and pop-up menus, and its messages. The version comes from CMakeLists.txt.
#pragma once

#include "forms/Version.h"

namespace FilesTexts {

constexpr const char* Caption = "Tavlen Ver." TAVLEN_VERSION;

// The main menu.
constexpr const char* File1 = "ファイル（&F）";
constexpr const char* OpenMenu = "開く(&O)";
constexpr const char* ExitMenu = "終了(&X)";
constexpr const char* Compare1 = "比較(&M)";
constexpr const char* AllCompareMenu = "すべての文字列(&A)";
constexpr const char* ClearMenu = "結果をクリア(&C)";
constexpr const char* NextDiffMenu = "次の相違(&N)";
constexpr const char* PrevDiffMenu = "前の相違(&P)";
constexpr const char* Option1 = "オプション(&O)";
constexpr const char* SameMenu = "連動する(&E)";
constexpr const char* Help1 = "ヘルプ(&H)";
constexpr const char* SoftMenu = "ソフトについて（&S）...";
constexpr const char* AboutMenu = "バージョン情報(&A)...";

// The panes' pop-up menu.
constexpr const char* OpenItem = "開く(&O)";
constexpr const char* EditItem = "編集(&E)";
constexpr const char* UpdateItem = "最新のデータに更新(&R)";

// The status bar's texts before anything is loaded or compared.
constexpr const char* NoCount = "";

// The help messages.
constexpr const char* SoftMessage =
    "Tavlen はテキストファイルの文字列を比較するツールです。\r\n全文字列に対して比較ができます。";
constexpr const char* AboutMessage = "　Tavlen Ver." TAVLEN_VERSION "　\r\n　Copyright (C) 2026 Brisvane　";

// Files dropped onto the window that cannot be taken: a folder (its path
// follows the first text), more than two files.
constexpr const char* DropFolderMessage = " はフォルダです。\r\n比較するファイルをドロップしてください。";
constexpr const char* DropTooManyMessage = "ドロップできるファイルは2つまでです。\r\n1つならドロップした側に、2つなら左と右に読み込みます。";

}  // namespace FilesTexts
