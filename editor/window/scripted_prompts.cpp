#include "scripted_prompts.h"

namespace vantrel {
namespace {

QString NextAnswer(std::deque<QString>& answers) {
    if (answers.empty()) {
        return {};
    }
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

PromptAnswer ScriptedPrompts::message(QWidget*, const QString& text, const QString& title,
                                      PromptButtons buttons, PromptIcon icon) {
    shown_.push_back({false, text, title, buttons, icon, {}});
    if (whileMessageShown) {
        whileMessageShown();
    }
    if (!messageAnswers_.empty()) {
        const PromptAnswer answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        return answer;
    }
    return buttons == PromptButtons::Ok      ? PromptAnswer::Ok
           : buttons == PromptButtons::YesNo ? PromptAnswer::No
                                             : PromptAnswer::Cancel;
}

QString ScriptedPrompts::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText) {
    shown_.push_back({true, prompt, title, PromptButtons::OkCancel, PromptIcon::None, defaultText});
    return NextAnswer(inputAnswers_);
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& suggested,
                                      const QString& filter) {
    shown_.push_back(
        {false, filter, title, PromptButtons::OkCancel, PromptIcon::None, suggested, true});
    return NextAnswer(saveFileAnswers_);
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& folder,
                                      const QString& filter) {
    shown_.push_back(
        {false, filter, title, PromptButtons::OkCancel, PromptIcon::None, folder, false, true});
    return NextAnswer(openFileAnswers_);
}

}  // namespace vantrel
