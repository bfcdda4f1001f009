// frmLoad: the small borderless window shown while the airport catalogue is built.
#pragma once

#include <QWidget>

class QProgressBar;

namespace vantrel {

class LoadWindow : public QWidget {
    Q_OBJECT
  public:
    LoadWindow();
    QProgressBar* progressBar() const { return pBar1; }

  private:
    QProgressBar* pBar1;
};

}  // namespace vantrel
