// frmConvert: the converter window, opened from the launcher. It hides the launcher while it is
// open and shows it again when it closes.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vantrel {

class ConverterWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ConverterWindow(QWidget* launcher);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QPointer<QWidget> launcher_;
};

}  // namespace vantrel
