#include "popup_menu.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QMouseEvent>

namespace vantrel {
namespace {

// Takes the right button's presses, releases and drags away from the list, which would select the
// row under the mouse. Qt sends the popup's context-menu event all the same.
class RightButtonFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::RightButton ||
                    (mouse->button() == Qt::NoButton && mouse->buttons() == Qt::RightButton)) {
                    return true;
                }
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void AttachPopup(QAbstractItemView* list, QMenu* menu) {
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->viewport()->installEventFilter(new RightButtonFilter(list));
    QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                     [list, menu](QPoint at) { menu->popup(list->viewport()->mapToGlobal(at)); });
}

}  // namespace vantrel
