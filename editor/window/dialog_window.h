// The editor's dialogs are ordinary windows, not modal ones: the editor window is disabled while
// one is open. OK is handed to the editor, which decides whether the dialog closes; Cancel and the
// window's close box close it, which empties its fields and enables the editor again.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

class DialogWindow : public QWidget {
    Q_OBJECT
  public:
    // Disables the opener until the dialog closes.
    DialogWindow(QWidget* opener, const char* name);

    QPushButton* Command1;  // OK
    QPushButton* Command2;  // Cancel

  signals:
    void okClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    virtual void clearFields() = 0;

    QLabel* addLabel(const char* name, const QString& text, QRect twips);
    QLineEdit* addField(const char* name, QRect twips);

  private:
    QPointer<QWidget> opener_;
};

}  // namespace vantrel
