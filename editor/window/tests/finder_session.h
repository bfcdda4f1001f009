// The editor with the waypoint finder's navigation data in its program folder, and helpers that
// drive the finder pane, for the window tests.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "editor_session.h"

namespace vantrel::testing {

inline const char* const kWaypoints =
    "ABETI|46720000|18880000|LH\r\n"
    "KOVEK|47000000|19000000|LH\r\n"
    "SHORT|47100000\r\n";
inline const char* const kNavaids =
    "KOVEK|KOVEK NDB|387.0|2|0|40|47000000|19000000|300|LH\r\n"
    "BKS|BEKESCSABA|112.20|1|1|130|46672222|21160000|300|LH\r\n";

// The editor on a folder with navigation data, the EGLL SID CPT3F shown.
struct Finder : Editor {
    QComboBox* box = Child<QComboBox>(window, "Combo1");
    QListWidget* results = Child<QListWidget>(window, "List4");
    QFrame* notice = Child<QFrame>(window, "Frame1");

    explicit Finder(bool showProcedure = true) {
        session.folder.write("waypoints.txt", kWaypoints);
        session.folder.write("navaids.txt", kNavaids);
        if (showProcedure) {
            selectAirport("EGLL");
            ClickRow(sids, 0);
        }
    }
    void search(const QString& typed) {
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    }
    void doubleClick(int row) {
        QListWidgetItem* item = results->item(row);
        const QPoint at = results->visualItemRect(item).center();
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList history() const {
        QStringList entries;
        for (int i = 0; i < box->count(); ++i) {
            entries << box->itemText(i);
        }
        return entries;
    }
    std::string sid() const { return file("sid/EGLL.txt"); }
};

}  // namespace vantrel::testing
