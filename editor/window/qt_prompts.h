// The real prompts: QMessageBox, QInputDialog and QFileDialog.
#pragma once

#include "prompts.h"

namespace vantrel {

class QtPrompts : public Prompts {
  public:
    PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                         PromptButtons buttons, PromptIcon icon) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
};

}  // namespace vantrel
