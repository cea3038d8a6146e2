// Drive information of the file selection dialog: the size texts of a drive
// and the version code of the running system.
#pragma once

#include <string>

#include "text/DiskText.h"

// The texts of the drive read last; six empty texts until the first read.
extern TDiskArea LastDiskArea;

// The size texts of the drive whose root folder is root ("C:\"). Also left in
// LastDiskArea. A drive whose query fails (no medium, not ready, denied, not
// a drive) gives six empty texts.
TDiskArea GetDiskArea(const std::string& root);

// The version code of the running system (see OsVersionCodeFor). Windows
// reports the version its compatibility settings allow: without a manifest
// that declares newer systems, Windows 8.1 and later report 6.2.
int GetOSVersionCode();
