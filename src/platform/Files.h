#pragma once
// The file services in one include: paths, reading, atomic writing, folders and the
// user's known folders.
#include "platform/FilePaths.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/Folders.h"
#include "platform/KnownFolders.h"
