#pragma once
// Folder listings kept while a screen sets itself up: a screen that opens many files of one
// folder (a sound group checking each of its files, a family of numbered pictures) reads
// the folder once. Inside that time a listing is read again when the folder's times differ,
// and every listing is dropped when the program writes or removes a file; outside it every
// listing is read from disk.
#include <string>
#include <vector>

namespace platform {

struct ListedEntry {
    std::wstring name;
    bool isFolder = false;
};

// The entries of a native folder, sorted by name ascending, case-insensitively, without
// "." and "..". A missing folder gives an empty list.
std::vector<ListedEntry> ListFolder(const std::string& nativeFolder);
void ForgetFolderListings();

// While one lives, listings are kept; the last one to end drops them.
class FolderListingScope final {
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;
};
// Folders read from disk so far (for tests).
int FolderReads();

}  // namespace platform
