#include "edit_messages.h"

#include "text_codec.h"

namespace vantrel {

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

QString NotWrittenText(RewriteStatus status, ProcedureKind kind, std::string_view airport) {
    const QString file = ToQt(FolderName(kind)) + "/" + ToQt(airport) + ".txt";
    QString reason;
    switch (status) {
        case RewriteStatus::FileMissing:
            reason = "The file " + file + " cannot be opened.";
            break;
        case RewriteStatus::ProcedureNotFound:
            reason = "The procedure is not in " + file + " any more.";
            break;
        case RewriteStatus::FileError:
        case RewriteStatus::Done:
            reason = "The file " + file + " could not be written; it keeps its former content.";
            break;
    }
    return "The change was not written.\r\n" + reason;
}

QString NotSelectedText() {
    return "The change was not written.\r\nThe procedure whose legs are shown is not selected "
           "in its list any more: select it again and repeat the change.";
}

QString NoProcedureShownText() {
    return "Select a SID or STAR first: new legs are added to the procedure shown.";
}

}  // namespace vantrel
