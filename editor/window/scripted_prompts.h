// Prompts that answer from a script, in order, and record every box shown: for tests and for the
// screenshot tool, which must never wait for a person.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "prompts.h"

namespace vantrel {

struct ShownPrompt {
    bool isInput = false;
    QString text;  // message text, the input box's prompt, or the file chooser's filter
    QString title;
    PromptButtons buttons = PromptButtons::Ok;
    PromptIcon icon = PromptIcon::None;
    QString defaultText;  // also the file name or folder the chooser starts with
    bool isSaveFile = false;
    bool isOpenFile = false;
};

class ScriptedPrompts : public Prompts {
  public:
    void answerMessage(PromptAnswer answer) { messageAnswers_.push_back(answer); }
    void answerInput(const QString& text) { inputAnswers_.push_back(text); }
    void answerSaveFile(const QString& fileName) { saveFileAnswers_.push_back(fileName); }
    void answerOpenFile(const QString& fileName) { openFileAnswers_.push_back(fileName); }

    // Without a scripted answer a message box gets OK when that is its only button and the
    // refusing button (Cancel, No) otherwise; an input box and a file chooser get an empty text.
    PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                         PromptButtons buttons, PromptIcon icon) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;

    const std::vector<ShownPrompt>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

    // Called as each message box is shown, so that a test sees the windows while it is open.
    std::function<void()> whileMessageShown;

  private:
    std::deque<PromptAnswer> messageAnswers_;
    std::deque<QString> inputAnswers_;
    std::deque<QString> saveFileAnswers_;
    std::deque<QString> openFileAnswers_;
    std::vector<ShownPrompt> shown_;
};

}  // namespace vantrel
