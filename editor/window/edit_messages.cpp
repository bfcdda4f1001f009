#include "edit_messages.h"

#include <QDir>

#include "procedure_file.h"
#include "text_codec.h"

namespace vantrel {
namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool IsSomethingButAFolder(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

// What stands in the way of writing the procedure file, when it is something the user can see.
std::optional<QString> Obstacle(const std::filesystem::path& programFolder,
                                const std::filesystem::path& file) {
    const QString name = FileText(programFolder, file);
    if (IsFolder(file)) {
        return name + " is a folder, not a procedure file.";
    }
    if (IsSomethingButAFolder(file.parent_path())) {
        return FileText(programFolder, file.parent_path()) + " is a file, not a folder, so " +
               name + " cannot be in it.";
    }
    const std::filesystem::path temporary = SiblingWithExtension(file, ".tmp");
    if (IsFolder(temporary)) {
        return "The new content is written to " + FileText(programFolder, temporary) +
               " first, and a folder of that name is in the way. " + name +
               " keeps its former content.";
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> RecordFieldProblem(std::initializer_list<QString> texts, bool nameOrRunway) {
    for (const QString& text : texts) {
        if (text.contains('|')) {
            return QString(
                "The character \"|\" cannot be used here: it separates the fields of the "
                "procedure files.");
        }
        if (nameOrRunway && text.contains('@')) {
            return QString(
                "The character \"@\" cannot be used in a name or runway: it separates the name "
                "from the runway in the procedure lists.");
        }
    }
    return std::nullopt;
}

QString FileText(const std::filesystem::path& programFolder, const std::filesystem::path& file) {
    return QDir::fromNativeSeparators(FromPath(file.lexically_relative(programFolder)));
}

QString NotWrittenText(RewriteStatus status, const std::filesystem::path& programFolder,
                       ProcedureKind kind, std::string_view airport) {
    const std::filesystem::path path = ProcedureFilePath(programFolder, kind, airport);
    const QString file = FileText(programFolder, path);
    QString reason;
    switch (status) {
        case RewriteStatus::FileMissing:
            reason =
                Obstacle(programFolder, path).value_or("The file " + file + " cannot be opened.");
            break;
        case RewriteStatus::ProcedureNotFound:
            reason = "The procedure is not in " + file + " any more.";
            break;
        case RewriteStatus::BareLineFeed:
            reason = "The file " + file +
                     " has lines that end with a line feed alone, which Vantrel reads as one "
                     "long line, so it is not changed: repair it with \"Fix Selected\" in the "
                     "airport's menu, then make the change again.";
            break;
        case RewriteStatus::ReadOnly:
            reason = ReadOnlyText(file);
            break;
        case RewriteStatus::FileError:
        case RewriteStatus::Done:
            reason = Obstacle(programFolder, path)
                         .value_or("The file " + file +
                                   " could not be written; it keeps its former content.");
            break;
    }
    return "The change was not written.\r\n" + reason;
}

QString NotSelectedText(const ShownProcedure& shown) {
    return "The change was not written.\r\nThe legs shown are those of the " +
           QString(shown.kind == ProcedureKind::Sid ? "SID " : "STAR ") + ToQt(shown.entry) +
           " of " + ToQt(shown.airport) +
           ", which is not selected in its list any more: select it again and repeat the change.";
}

QString NoProcedureShownText() {
    return "Select a SID or STAR first: new legs are added to the procedure shown.";
}

QString LineFeedsAloneText(const QStringList& files) {
    return files.join(" and ") + (files.size() > 1 ? " have" : " has") +
           " lines that end with a line feed alone: not every procedure may be listed, and no "
           "change is written until \"Fix Selected\" in the airport's menu repairs the line ends.";
}

QString ListsNotReadText(const QStringList& files) {
    QStringList lines;
    for (const QString& file : files) {
        lines << "The file " + file + " cannot be read; the procedures in it are not listed.";
    }
    return lines.join("\r\n");
}

QString LegsNotReadText(const QString& file, const QString& entry) {
    return "The file " + file + " cannot be read; the legs of " + entry + " are not shown.";
}

QString FolderNotReadText(const QString& folder) {
    return "The folder " + folder + " cannot be read; the airports of its files are not listed.";
}

QString AirportNotDeletedText(const QString& airport, const QString& file, const QString& reason) {
    return "The airport " + airport + " was not deleted:\r\n" + file +
           " could not be deleted: " + reason + ".\r\nIts files are as they were.";
}

QString ReadOnlyText(const QString& file) {
    return "The file " + file + " is read-only, so it is not changed.";
}

QString CacheNotDeletedText() {
    return "The search cache cache.dat could not be deleted; searches still read it.";
}

}  // namespace vantrel
