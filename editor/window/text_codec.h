// The editor's core works on bytes in the system's code page; the windows convert at their edge.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel {

inline QString ToQt(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQt(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

inline std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// A path as Qt text: from its UTF-16 form on Windows, from its bytes as Qt decodes file names
// elsewhere. Its separators are the system's.
inline QString FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(path.native().c_str());
#endif
}

}  // namespace vantrel
