#pragma once

#include "CSerratK90ClipwellDoc.h"

#include <QMainWindow>

class CForm1;
class CForm2;
class CIdentificationArea;
class CMySplitterWnd;
class CNavigationView;
class CSerratK90ClipwellApp;

// The single main window: three locked rows (identity strip 120 px high, the
// navigation tree beside the page pane, the connection pane), no menu,
// toolbar or status bar. Creating its client area builds every page at once,
// hidden, then opens the device connection and learns the model with HART
// command 0.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // The application's title: the frame's caption and every message box's default caption.
    static inline const QString ApplicationTitle = QStringLiteral("Serrat XD HART Clipwell");

    static constexpr int IdentityHeight = 120;
    // What the identity strip and the connection pane take of the height together.
    static constexpr int FixedRowsHeight = 220;

    explicit CMainFrame(CSerratK90ClipwellApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the panes and pages, then connects to the device.
    void OnCreateClient();
    // Every view's and page's first update: identity strip, tree, panes, then pages.
    void InitialUpdateFrame();
    // Fits the rows to a client of cx x cy pixels; the tree column keeps its width.
    void OnSize(int cx, int cy);
    // Opens help at the selected tree item's PageCode.
    void OnPageHelp();
    // F6 and Shift+F6: the focus goes to the next or the previous pane that
    // can take it (identity strip, tree, page, connection pane, around).
    void OnNextPane(bool previous = false);

    // Selects the tree item of a PageCode, which switches to its page.
    void SelectPageCode(int pageCode);

    CSerratK90ClipwellDoc& document() { return m_document; }
    void SetFrameTitle(const QString& title);
    QWidget* activeView() const { return m_pActiveView; }

    CMySplitterWnd* outerSplitter() const { return m_wndSplitter; }
    CMySplitterWnd* innerSplitter() const { return m_wndSplitter2; }
    CIdentificationArea* identityStrip() const { return m_pIdentity; }
    CNavigationView* navigationView() const { return m_pNavigation; }
    CForm2* connectionPane() const { return m_pConnection; }

    QString m_strItemId;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Closing the window (the user's close, SIGTERM, SIGINT) first runs every
    // page's stop routine as leaving it through the tree does, so what the
    // shown page runs on the device ends while the link is still open.
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void connectDevice();
    void updateCaption();

    CSerratK90ClipwellApp& m_app;
    CSerratK90ClipwellDoc m_document;
    QString m_strFrameTitle;
    bool m_bSplittersReady = false;
    int m_cx = 0;
    int m_cy = 0;
    CMySplitterWnd* m_wndSplitter = nullptr;
    CMySplitterWnd* m_wndSplitter2 = nullptr;
    CIdentificationArea* m_pIdentity = nullptr;
    CNavigationView* m_pNavigation = nullptr;
    CForm1* m_pPlaceholder = nullptr;
    CForm2* m_pConnection = nullptr;
    QWidget* m_pActiveView = nullptr;
};
