#include "search_cache.h"

#include "text_lines.h"

namespace vantrel {
namespace {

std::uintmax_t SizeOrZero(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return error ? 0 : size;
}

// A cache whose existence cannot be told counts as existing, so that it is never removed.
bool MayExist(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(file, error) || error;
}

}  // namespace

std::filesystem::path CachePath(const std::filesystem::path& programFolder) {
    return programFolder / "cache.dat";
}

CacheAppend::CacheAppend(const std::filesystem::path& cacheFile)
    : file_(cacheFile),
      existed_(MayExist(cacheFile)),
      formerSize_(SizeOrZero(cacheFile)),
      writer_(std::make_unique<LineWriter>(cacheFile, LineWriter::Mode::Append)) {}

CacheAppend::~CacheAppend() {
    if (!done_) {
        restore();
    }
}

bool CacheAppend::isOpen() const {
    return writer_->isOpen();
}

void CacheAppend::add(std::string record) {
    records_.push_back(std::move(record));
}

bool CacheAppend::commit() {
    for (const std::string& record : records_) {
        writer_->write(record);
    }
    if (!writer_->close()) {
        restore();
        return false;
    }
    done_ = true;
    return true;
}

void CacheAppend::restore() {
    writer_->close();
    done_ = true;
    std::error_code ignored;
    if (existed_) {
        std::filesystem::resize_file(file_, formerSize_, ignored);
    } else {
        std::filesystem::remove(file_, ignored);
    }
}

bool EmptySearchCache(const std::filesystem::path& programFolder) {
    const std::filesystem::path cache = CachePath(programFolder);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(cache, error);
    if (!std::filesystem::exists(status)) {
        return true;
    }
    return !std::filesystem::is_directory(status) && std::filesystem::remove(cache, error);
}

}  // namespace vantrel
