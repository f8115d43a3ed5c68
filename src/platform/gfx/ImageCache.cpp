#include "platform/gfx/ImageCache.h"

#include <sys/stat.h>

#include <algorithm>
#include <list>
#include <memory>
#include <unordered_map>

#include "platform/Files.h"

namespace platform::gfx {
namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct Entry {
    FileIdentity identity;
    std::shared_ptr<const DecodedImage> image;
    bool opaque = false;
    std::list<std::string>::iterator use;  // place in the use order
};

struct Cache {
    std::unordered_map<std::string, Entry> entries;
    std::list<std::string> order;  // most recently used first
    size_t bytes = 0;
    ImageCacheCounts counts;

    void Drop(std::unordered_map<std::string, Entry>::iterator it) {
        bytes -= it->second.image->pixels.size() * sizeof(uint32_t);
        order.erase(it->second.use);
        entries.erase(it);
    }
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

bool Identify(const std::string& native, FileIdentity& id) {
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

}  // namespace

bool LoadImageCached(const std::wstring& path, DecodedImage& out, bool& opaque) {
    out = DecodedImage{};
    opaque = false;
    Cache& cache = TheCache();
    const std::string native = NativePath(path);
    FileIdentity id;
    if (!Identify(native, id)) return false;
    auto it = cache.entries.find(native);
    if (it != cache.entries.end()) {
        if (it->second.identity == id) {
            cache.order.splice(cache.order.begin(), cache.order, it->second.use);
            out = *it->second.image;
            opaque = it->second.opaque;
            ++cache.counts.hits;
            return true;
        }
        cache.Drop(it);
    }
    if (!DecodeImageFile(path, out)) return false;
    ++cache.counts.decodes;
    opaque = std::all_of(out.pixels.begin(), out.pixels.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });
    const size_t bytes = out.pixels.size() * sizeof(uint32_t);
    if (bytes > kImageCacheBytes / 4) return true;  // a huge picture is not kept
    while (cache.bytes + bytes > kImageCacheBytes && !cache.order.empty())
        cache.Drop(cache.entries.find(cache.order.back()));
    cache.order.push_front(native);
    Entry e;
    e.identity = id;
    e.image = std::make_shared<const DecodedImage>(out);
    e.opaque = opaque;
    e.use = cache.order.begin();
    cache.entries[native] = std::move(e);
    cache.bytes += bytes;
    return true;
}

void ClearImageCache() {
    Cache& cache = TheCache();
    cache.entries.clear();
    cache.order.clear();
    cache.bytes = 0;
}

ImageCacheCounts ImageCacheStats() {
    ImageCacheCounts c = TheCache().counts;
    c.bytes = TheCache().bytes;
    return c;
}

}  // namespace platform::gfx
