#pragma once
// The main window's size: zoom steps, resizing by the frame, full screen, and fitting the
// screen at start. The table keeps its proportions at every size: a window of other
// proportions shows it as large as it fits, centred on black. The zoom and full screen are
// remembered in the window's section of the settings file.
#include <QMargins>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <functional>
#include <string>

#include "ui/window_prefs.h"

class QMenu;
class QWidget;

namespace trelvist::ui {

class TableCanvas;

class TableZoom : public QObject {
    Q_OBJECT
public:
    // `repaint` repaints the table from the game, after the canvas started afresh at a new
    // density; `reportError` tells the player of a refused write. The window is laid out at
    // its remembered zoom at once.
    TableZoom(QWidget& window, TableCanvas& canvas, WindowPrefs& prefs, std::function<void()> repaint,
              std::function<void(const std::string&)> reportError);

    // Shows the window centred on its screen, at its remembered zoom or, where that does not
    // fit the screen's free area with the window's frame, at the largest zoom that fits; full
    // screen when it was left so.
    void showAtStart();

    // The zoom steps and full screen as menu items, which show their keys.
    void addActionsTo(QMenu& menu);

    int zoom() const { return zoom_; }  // percent, as laid out now
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void toggleFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lays the table out as large as the window holds it.
    void layOut();
    // Resizes the window for a zoom step and remembers the zoom.
    void stepTo(int zoom);
    // Resizes the window for `zoom`, or the largest zoom the screen's free area allows, and
    // returns the zoom it resized for.
    int resizeTo(int zoom);
    int largestFittingZoom() const;
    QMargins frameMargins() const;
    // Once the window is shown with its real frame, shrinks and moves it onto the screen.
    void keepOnScreen();
    void remember();
    void write(const std::function<void()>& store);

    QWidget& window_;
    TableCanvas& canvas_;
    WindowPrefs& prefs_;
    std::function<void()> repaint_;
    std::function<void(const std::string&)> reportError_;
    int rememberedZoom_;  // as the settings file holds it
    bool fullScreenAtStart_;
    int zoom_ = 100;
    QSize expectedSize_;  // the size last asked for, as opposed to one given by the frame
    bool checkOnScreen_ = false;  // once shown at start, with the frame the window really has
    bool writeFailed_ = false;
    QTimer saveZoom_;  // a dragged frame is written once it rests
};

}  // namespace trelvist::ui
