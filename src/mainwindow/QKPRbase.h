#pragma once

#include "model/PaneHost.h"
#include "platform/FontTextWidth.h"
#include "storage/GrobalTarget.h"

#include <QMainWindow>
#include <QRect>
#include <vector>

class ClipList;
class QFrame;
class QKPRGrobal;
class QTimer;

// The main window: the shown clip lists stacked one above the other, each in its own list box,
// with 3-pixel bars between them, below an optional toolbar strip.
class QKPRbase : public QMainWindow, public PaneHost, public GrobalTarget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 3;
    static constexpr int ToolStripHeight = 19;

    explicit QKPRbase(QKPRGrobal &grobal, QWidget *parent = nullptr);
    ~QKPRbase() override;

    // The start-up sequence; runs once before the window is first shown.
    void loadForm();

    // Window switches kept in the settings file.
    bool ToolControl() const { return m_toolControl; }
    void setToolControl(bool shown);

    // 0 normal, 1 minimised (no layout), 2 maximised.
    int windowStateNumber() const;

    // PaneHost
    ClipListBox &clipList(qint16 pane) override;
    void loadClipList(qint16 pane) override;
    void unloadClipList(qint16 pane) override;
    void loadBar(qint16 index) override;
    void unloadBar(qint16 index) override;
    void setBarPointer(qint16 index, int pointer) override;
    void whenResize() override;
    void setFontSize(float points) override;
    void ListClipActive(qint16 movAdd) override;
    double textWidth(QStringView text) const override { return m_meter.textWidth(text); }

    // GrobalTarget
    void setTimerInterval(int milliseconds) override;
    void setBarColour(qint16 bar, Colour colour) override;

    // For layout checks: the list box of a pane and a bar, as placed by whenResize.
    ClipList *clipListWidget(qint16 pane) const;
    QFrame *barWidget(qint16 index) const;
    QWidget *clientArea() const { return m_client; }
    int barPointer(qint16 index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ClipList *makeClipList();
    double pixelsPerPoint() const;

    QKPRGrobal &m_grobal;
    QWidget *m_client = nullptr;
    std::vector<ClipList *> m_clipLists; // by pane number; null where no pane is loaded
    std::vector<QFrame *> m_bars;        // bar 0 is the top edge
    std::vector<int> m_barPointers;
    Colour m_barColour = 0;
    FontTextWidth m_meter;
    QTimer *m_looker = nullptr;
    bool m_loading = false;
    bool m_inLayout = false;
    bool m_toolControl = true;
};
