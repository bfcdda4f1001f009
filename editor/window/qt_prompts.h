// The real prompts: QMessageBox and QInputDialog.
#pragma once

#include "prompts.h"

namespace vantrel {

class QtPrompts : public Prompts {
  public:
    PromptAnswer message(QWidget* parent, const QString& text, const QString& title,
                         PromptButtons buttons, PromptIcon icon) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
};

}  // namespace vantrel
