// frmMain: the launcher with its two buttons, one for the editor and one for the converter.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app_context.h"
#include "converter_window.h"
#include "editor_window.h"

namespace vantrel {

class LauncherWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LauncherWindow(AppContext& context);

    EditorWindow* editor() const { return editor_; }
    ConverterWindow* converter() const { return converter_; }

    void Command1_Click();
    void Command2_Click();

  private:
    AppContext& context_;
    QPointer<EditorWindow> editor_;
    QPointer<ConverterWindow> converter_;
};

}  // namespace vantrel
