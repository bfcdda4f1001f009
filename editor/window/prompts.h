// Every message box, input box and file chooser of the editor goes through this interface, so that
// tests can answer them in order and check the exact texts shown.
#pragma once

#include <QString>

class QWidget;

namespace vantrel {

enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptIcon { None, Exclamation, Information };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                                 PromptButtons buttons, PromptIcon icon) = 0;
    // The typed text; Cancel gives an empty text.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
    // The file name chosen to save to, `suggested` offered first; Cancel gives an empty text.
    // `filter` is the chooser's file type filter ("PNG picture (*.png)").
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
    // The existing file chosen to open, the chooser starting in `folder`; Cancel gives an empty
    // text. `filter` is the chooser's file type filter.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
};

}  // namespace vantrel
