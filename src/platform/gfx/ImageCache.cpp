#include "platform/gfx/ImageCache.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "platform/Files.h"
#include "platform/Utf.h"

namespace platform::gfx {
namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    int64_t size = 0;
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

// A huge picture is not kept.
bool Keepable(const DecodedImage& image) { return image.pixels.size() * sizeof(uint32_t) <= kImageCacheBytes / 4; }

// Everything is guarded by mutex but the worker thread itself, which only the program's
// thread starts and joins.
struct Cache {
    std::mutex mutex;
    std::unordered_map<std::string, Entry> entries;
    std::list<std::string> order;  // most recently used first
    size_t bytes = 0;
    ImageCacheCounts counts;

    std::thread worker;
    bool stop = false;                 // the warm-up is to end after its picture under way
    std::string underWay;              // the picture the warm-up decodes now
    std::string loading;               // the picture a load decodes now (the warm-up passes it over)
    std::condition_variable finished;  // underWay was done

    ~Cache() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stop = true;
        }
        if (worker.joinable()) worker.join();
    }

    void Drop(std::unordered_map<std::string, Entry>::iterator it) {
        bytes -= it->second.image->pixels.size() * sizeof(uint32_t);
        order.erase(it->second.use);
        entries.erase(it);
    }

    // Keeps a decoded picture as the most recently used one, within the bound.
    void Keep(const std::string& native, const FileIdentity& id, std::shared_ptr<const DecodedImage> image,
              bool opaque) {
        const size_t size = image->pixels.size() * sizeof(uint32_t);
        if (!Keepable(*image)) return;
        auto old = entries.find(native);
        if (old != entries.end()) Drop(old);
        while (bytes + size > kImageCacheBytes && !order.empty()) Drop(entries.find(order.back()));
        order.push_front(native);
        Entry e;
        e.identity = id;
        e.image = std::move(image);
        e.opaque = opaque;
        e.use = order.begin();
        entries[native] = std::move(e);
        bytes += size;
    }
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

bool Identify(const std::string& native, FileIdentity& id) {
#ifdef _WIN32
    // Windows: the file's size and last write (its folder and name are the cache's key).
    const size_t cut = native.find_last_of('/');
    long long size = 0, written = 0;
    if (cut == std::string::npos || FolderExists(WideFromUtf8(native)) ||
        !FileStamp(WideFromUtf8(native.substr(0, cut)), WideFromUtf8(native.substr(cut + 1)), size, written))
        return false;
    id.size = size;
    id.modifiedNs = written;
    return true;
#else
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    id.changedNs = int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    return true;
#endif
}

// The file's place on disk, made whole against the working folder: the cache knows a picture
// by it, and a warm-up reads the file meant when it was asked for, wherever the working
// folder is later.
std::string WholePath(const std::wstring& path) {
    std::string native = NativePath(path);
#ifdef _WIN32
    if (!native.empty() && !IsNativePath(WideFromUtf8(native))) native = Utf8FromWide(WorkingFolder()) + "/" + native;
#else
    if (!native.empty() && native[0] != '/') {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here)) native = std::string(here) + "/" + native;
    }
#endif
    return native;
}

bool AllOpaque(const DecodedImage& image) {
    return std::all_of(image.pixels.begin(), image.pixels.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });
}

void WarmUp(const std::vector<std::wstring>& paths, size_t budget) {
    Cache& cache = TheCache();
    size_t decoded = 0;
    for (const std::wstring& path : paths) {
        const std::string native = NativePath(path);  // whole already
        FileIdentity id;
        if (!Identify(native, id)) continue;
        {
            std::lock_guard<std::mutex> lock(cache.mutex);
            if (cache.stop) return;
            auto it = cache.entries.find(native);
            if (it != cache.entries.end() && it->second.identity == id) continue;
            if (native == cache.loading) continue;
            cache.underWay = native;
        }
        auto image = std::make_shared<DecodedImage>();
        const bool ok = DecodeImageFile(path, *image);
        const bool opaque = ok && AllOpaque(*image);
        {
            std::lock_guard<std::mutex> lock(cache.mutex);
            cache.underWay.clear();
            if (ok) {
                ++cache.counts.decodes;
                ++cache.counts.warmed;
                decoded += image->pixels.size() * sizeof(uint32_t);
                cache.Keep(native, id, std::move(image), opaque);
            }
        }
        cache.finished.notify_all();
        if (decoded >= budget) return;
    }
}

}  // namespace

bool LoadImageCached(const std::wstring& path, DecodedImage& out, bool& opaque) {
    out = DecodedImage{};
    opaque = false;
    Cache& cache = TheCache();
    const std::string native = WholePath(path);
    FileIdentity id;
    if (!Identify(native, id)) return false;
    std::shared_ptr<const DecodedImage> kept;
    {
        std::unique_lock<std::mutex> lock(cache.mutex);
        cache.finished.wait(lock, [&] { return cache.underWay != native; });
        auto it = cache.entries.find(native);
        if (it != cache.entries.end()) {
            if (it->second.identity == id) {
                cache.order.splice(cache.order.begin(), cache.order, it->second.use);
                kept = it->second.image;
                opaque = it->second.opaque;
                ++cache.counts.hits;
            } else {
                cache.Drop(it);
            }
        }
        if (!kept) cache.loading = native;
    }
    if (kept) {
        out = *kept;
        return true;
    }
    const bool ok = DecodeImageFile(path, out);
    if (ok) opaque = AllOpaque(out);
    auto image = ok && Keepable(out) ? std::make_shared<const DecodedImage>(out) : nullptr;
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.loading.clear();
    if (ok) ++cache.counts.decodes;
    if (image) cache.Keep(native, id, std::move(image), opaque);
    return ok;
}

void ClearImageCache() {
    FinishImageWarmUp();
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.entries.clear();
    cache.order.clear();
    cache.bytes = 0;
}

void WarmUpImages(std::vector<std::wstring> paths, size_t budget) {
    FinishImageWarmUp();
    for (std::wstring& path : paths) path = WideFromUtf8(WholePath(path));
    Cache& cache = TheCache();
    {
        std::lock_guard<std::mutex> lock(cache.mutex);
        cache.stop = false;
    }
    cache.worker = std::thread(WarmUp, std::move(paths), budget);
}

void StopImageWarmUp() {
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.stop = true;
}

void FinishImageWarmUp() {
    StopImageWarmUp();
    Cache& cache = TheCache();
    if (cache.worker.joinable()) cache.worker.join();
}

ImageCacheCounts ImageCacheStats() {
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    ImageCacheCounts c = cache.counts;
    c.bytes = cache.bytes;
    return c;
}

}  // namespace platform::gfx
