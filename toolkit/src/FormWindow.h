#pragma once

#include <QScrollArea>
#include <QWidget>

class QMenuBar;
class QVBoxLayout;
class TForm;

// The parent of a form's components. In a form that scrolls, its size is the components' reach,
// so that the scroll area around it shows scroll bars only while the window is smaller than
// that. In any other form the scroll area keeps it at the visible size, so that components
// reaching past it are cut off at the window's edges.
class TClientArea : public QWidget {
public:
    explicit TClientArea(QWidget* Parent);

    // Whether the form scrolls; set by the window's SetAutoScroll.
    void SetAutoScroll(bool Value) { AutoScroll = Value; }
    // In a form that scrolls: takes the components' reach as its size.
    void FitToChildren();

private:
    bool AutoScroll = false;
};

// The top-level window of a form: an optional menu bar above a scroll area that holds the
// client area. Its close box closes the form; it tells the form tracker when the window system
// activates it, and it presses the default and cancel buttons on Enter and Escape.
class TFormWindow : public QWidget {
public:
    explicit TFormWindow(TForm* Owner);

    TClientArea* ClientArea() const { return Client; }
    // The widget that a client-aligned picture fills: the visible part of the client area.
    QWidget* Viewport() const { return Scroll->viewport(); }
    QMenuBar* AddMenuBar();
    // With AutoScroll, scroll bars reach the components that lie past the window's edges;
    // without, the window shows no scroll bars and nothing scrolls its components.
    void SetAutoScroll(bool Value);
    // Places the outer frame at Left, Top with an outer size of Width x Height.
    void SetOuterGeometry(int Left, int Top, int Width, int Height);
    void SetColor(const QColor& Color);
    // Called for every key or mouse button pressed in the window.
    void UserInput();

protected:
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    TForm* Form = nullptr;
    QVBoxLayout* Layout = nullptr;
    QScrollArea* Scroll = nullptr;
    TClientArea* Client = nullptr;
    QMenuBar* Menu = nullptr;
};
