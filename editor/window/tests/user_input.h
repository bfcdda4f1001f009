// What a user does with the mouse, for the window tests: clicks on buttons and on the rows of
// lists, right clicks that open popup menus, and clicks on their items. Every one goes to the
// widget as a real input event, so that the widget reacts as it does to a person.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace vantrel::testing {

template <typename T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(name);
    if (!child) {
        qFatal("no child %s", name);
    }
    return child;
}

inline void ClickButton(QWidget* window, const char* name) {
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

// Where a row of a list stands in its viewport.
inline QPoint RowCentre(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}
inline QPoint RowCentre(const QTreeWidget* list, int row) {
    return list->visualItemRect(list->topLevelItem(row)).center();
}

// A left click on a row, as a user makes it.
template <typename List>
void ClickRow(List* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, RowCentre(list, row));
}

template <typename List>
void DoubleClickRow(List* list, int row) {
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// A right click on the list, in the order the window system delivers it: the press, the
// context-menu event, the release.
inline void RightClick(QAbstractItemView* list, QPoint at) {
    QWidget* viewport = list->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
}

// Clicks the item of an open popup menu.
inline void ClickMenuItem(QMenu* menu, const char* item) {
    QAction* action = menu->findChild<QAction*>(item);
    if (!action || !menu->isVisible()) {
        qFatal("menu %s is not open or has no item %s", qPrintable(menu->objectName()), item);
    }
    const QPoint at = menu->actionGeometry(action).center();
    QTest::mouseMove(menu, at);
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
}

}  // namespace vantrel::testing
