#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

// Turns the raw mouse, key and drag events of the main window into its handlers: presses and
// releases on the two lists (after the list has seen them, so its current entry is the pressed
// one), keys pressed in them, pointer movements for the hint bar, and drags between the window's
// controls, which carry the name of their source list in a private type.
namespace {
constexpr auto kSourceType = "application/x-velmora-source-list";

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// The keys held, as the mouse handlers take them: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers held) {
    return (held & Qt::ShiftModifier ? 1 : 0) | (held & Qt::ControlModifier ? 2 : 0) |
           (held & Qt::AltModifier ? 4 : 0);
}

struct DropTarget {
    std::function<void(QWidget*)> over;
    std::function<void(QWidget*)> drop; // empty: a drop there only ends the drag
};

class EventRouter : public QObject {
public:
    explicit EventRouter(frmMain& w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchPointer(QWidget* widget, std::function<void()> handler);
    void watchList(QAbstractItemView* list, void (frmMain::*down)(int, int),
                   void (frmMain::*up)(int));
    void watchDrops(QWidget* widget, DropTarget target);

    struct ListHandlers {
        QAbstractItemView* list;
        void (frmMain::*down)(int, int);
        void (frmMain::*up)(int);
    };
    bool listMouse(QObject* viewport, const ListHandlers& handlers, QMouseEvent* event);
    bool playAllMouse(QMouseEvent* event);
    bool dragEvent(QObject* watched, QDropEvent* event);
    bool shellDragEvent(QDropEvent* event);
    void startDrag(QAbstractItemView* source, QObject* viewport);
    QWidget* sourceOf(const QDropEvent& event) const;
    void showCursorOf(QWidget* source);
    // Lets watched see event now, as if no filter were installed.
    void forward(QObject* watched, QEvent* event);

    frmMain& w_;
    QHash<QObject*, std::function<void()>> pointerHandlers_;
    QHash<QObject*, ListHandlers> lists_;     // by viewport
    QHash<QObject*, DropTarget> dropTargets_; // those without a drag-over handler refuse
    QPointer<QDrag> drag_;
    std::function<void()> pendingDrop_;
    QPoint pressPosition_;
    bool forwarding_ = false;
    QObject* swallowRelease_ = nullptr;
    bool playAllPressed_ = false;
};

EventRouter::EventRouter(frmMain& w) : QObject(&w), w_(w) {
    watchPointer(w.centralWidget(), [&w] { w.Form_MouseMove(); });
    watchPointer(w.cmdNew, [&w] { w.cmdNew_MouseMove(); });
    watchPointer(w.cmdOpen, [&w] { w.cmdOpen_MouseMove(); });
    watchPointer(w.cmdSave, [&w] { w.cmdSave_MouseMove(); });
    watchPointer(w.cmdDelete, [&w] { w.cmdDelete_MouseMove(); });
    watchPointer(w.cmdClear, [&w] { w.cmdClear_MouseMove(); });
    watchPointer(w.cmdUp, [&w] { w.cmdUp_MouseMove(); });
    watchPointer(w.cmdDn, [&w] { w.cmdDn_MouseMove(); });
    watchPointer(w.Dir1->viewport(), [&w] { w.Dir1_MouseMove(); });
    watchPointer(w.File1->viewport(), [&w] { w.File1_MouseMove(); });
    watchPointer(w.lstSelected->viewport(), [&w] { w.lstSelected_MouseMove(); });
    watchPointer(w.fraAvail, [&w] { w.fraAvail_MouseMove(); });
    watchPointer(w.fraSelected, [&w] { w.fraSelected_MouseMove(); });
    watchPointer(w.fraMenu, [&w] { w.fraMenu_MouseMove(); });
    watchPointer(w.fraFiller, [&w] { w.fraFiller_MouseMove(); });
    watchPointer(w.fraInfo, [&w] { w.fraInfo_MouseMove(); });
    // The grips are drawn on their frames and belong to them.
    for (QFrame* grip : w.Line1)
        grip->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Controls without a handler keep the hint: movements over them, which Qt passes on to the
    // parent while a button is held, must not reach the frame or the window around them. (The
    // lists stop those of their scroll bars.)
    for (QWidget* quiet : std::initializer_list<QWidget*>{
             w.Drive1, w.Dir1, w.File1, w.lstSelected, w.cmdClearFile, w.cmdClearSel, w.Label1[0],
             w.Label1[1], w.Label2, w.lblName, w.imPlayAll, w.imgPlay1, w.Picture2, w.Picture4,
             w.Picture1})
        quiet->setAttribute(Qt::WA_NoMousePropagation);

    watchList(w.File1, &frmMain::File1_MouseDown, &frmMain::File1_MouseUp);
    watchList(w.lstSelected, &frmMain::lstSelected_MouseDown, &frmMain::lstSelected_MouseUp);
    w.imPlayAll->installEventFilter(this);

    using Handler = void (frmMain::*)(QWidget*);
    const auto call = [&w](Handler h) { return [&w, h](QWidget* source) { (w.*h)(source); }; };
    const DropTarget playlist{call(&frmMain::lstSelected_DragOver),
                              call(&frmMain::lstSelected_DragDrop)};
    const DropTarget fileList{call(&frmMain::File1_DragOver), call(&frmMain::File1_DragDrop)};
    // Over the lists' scroll bars is over the lists.
    watchDrops(w.lstSelected, playlist);
    watchDrops(w.lstSelected->viewport(), playlist);
    watchDrops(w.File1, fileList);
    watchDrops(w.File1->viewport(), fileList);
    watchDrops(w.cmdClear, {call(&frmMain::cmdClear_DragOver), call(&frmMain::cmdClear_DragDrop)});
    watchDrops(w.imgPlay1, {call(&frmMain::imgPlay1_DragOver), call(&frmMain::imgPlay1_DragDrop)});
    watchDrops(w.imPlayAll,
               {call(&frmMain::imPlayAll_DragOver), call(&frmMain::imPlayAll_DragDrop)});
    watchDrops(w.fraFiller, {call(&frmMain::fraFiller_DragOver), {}});
    watchDrops(w.fraSelected, {call(&frmMain::fraSelected_DragOver), {}});
    for (int i = 0; i < 2; ++i)
        watchDrops(w.Label1[i], {[&w, i](QWidget* source) { w.Label1_DragOver(i, source); }, {}});
    // Inside the two frames above, these controls have no drag handler: they refuse the drag
    // themselves, or the frame around them would answer for them.
    for (QWidget* refusing : {static_cast<QWidget*>(w.cmdUp), static_cast<QWidget*>(w.cmdDn),
                              static_cast<QWidget*>(w.cmdClearSel)})
        watchDrops(refusing, {});
}

void EventRouter::watchPointer(QWidget* widget, std::function<void()> handler) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    pointerHandlers_.insert(widget, std::move(handler));
}

void EventRouter::watchList(QAbstractItemView* list, void (frmMain::*down)(int, int),
                            void (frmMain::*up)(int)) {
    lists_.insert(list->viewport(), {list, down, up});
}

void EventRouter::watchDrops(QWidget* widget, DropTarget target) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    dropTargets_.insert(widget, std::move(target));
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
    if (forwarding_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseMove) {
            if (auto handler = pointerHandlers_.find(watched); handler != pointerHandlers_.end())
                (*handler)();
        }
        if (auto list = lists_.constFind(watched); list != lists_.constEnd())
            return listMouse(watched, *list, mouse);
        if (watched == w_.imPlayAll)
            return playAllMouse(mouse);
        // Movements end here (a button keeps its own while pressed), so that the frame or the
        // window around the control does not show its hint over it.
        return event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton &&
               pointerHandlers_.contains(watched);
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == w_.File1)
            return w_.File1_KeyDown(key);
        if (watched == w_.lstSelected)
            return w_.lstSelected_KeyDown(key);
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (dropTargets_.contains(watched))
            return dragEvent(watched, static_cast<QDropEvent*>(event));
        return false;
    default:
        return false;
    }
}

void EventRouter::forward(QObject* watched, QEvent* event) {
    forwarding_ = true;
    QCoreApplication::sendEvent(watched, event);
    forwarding_ = false;
}

bool EventRouter::listMouse(QObject* viewport, const ListHandlers& handlers, QMouseEvent* event) {
    QAbstractItemView* list = handlers.list;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        swallowRelease_ = nullptr;
        forward(viewport, event);
        (w_.*handlers.down)(buttonNumber(event->button()), shiftState(event->modifiers()));
        pressPosition_ = event->position().toPoint();
        // Below the last entry the list keeps its current entry, but nothing was pressed on.
        if (!list->indexAt(pressPosition_).isValid())
            w_.setDragMode(list, false);
        return true;
    case QEvent::MouseButtonRelease:
        // The drag took the release that ended it; the list must not treat it as a click that
        // collapses the selection it has just dragged.
        if (swallowRelease_ == viewport) {
            swallowRelease_ = nullptr;
            return true;
        }
        forward(viewport, event);
        (w_.*handlers.up)(buttonNumber(event->button()));
        return true;
    default:
        if (!(event->buttons() & Qt::LeftButton) || !w_.isInDragMode(list))
            return event->buttons() == Qt::NoButton;
        // A drag is armed: the list must not select by dragging meanwhile.
        if ((event->position().toPoint() - pressPosition_).manhattanLength() >=
            QApplication::startDragDistance())
            startDrag(list, viewport);
        return true;
    }
}

bool EventRouter::playAllMouse(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        playAllPressed_ = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && playAllPressed_) {
        playAllPressed_ = false;
        if (w_.imPlayAll->rect().contains(event->position().toPoint()))
            w_.imPlayAll_Click();
        return true;
    }
    return false;
}

void EventRouter::startDrag(QAbstractItemView* source, QObject* viewport) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kSourceType), source->objectName().toUtf8());
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    // The drop target picks the cursor through the action it accepts; elsewhere the cursor stays
    // as it was (kept in step by showCursorOf).
    drag->setDragCursor(w_.carryCursor, Qt::MoveAction);
    drag->setDragCursor(w_.dropCursor, Qt::CopyAction);
    drag_ = drag;
    showCursorOf(source);
    swallowRelease_ = viewport;
    pendingDrop_ = nullptr;
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    drag_ = nullptr;
    // The drop's handler runs once the drag is over, so that a question it asks is not shown
    // in the middle of the drag.
    const std::function<void()> drop = std::exchange(pendingDrop_, nullptr);
    if (drop)
        drop();
    // Whatever the drag ended on, or if it was cancelled.
    w_.EndDrag(source);
}

QWidget* EventRouter::sourceOf(const QDropEvent& event) const {
    if (!event.mimeData()->hasFormat(QString::fromLatin1(kSourceType)))
        return nullptr;
    QObject* source = event.source();
    if (source == w_.File1 || source == w_.lstSelected)
        return static_cast<QWidget*>(source);
    return nullptr;
}

void EventRouter::showCursorOf(QWidget* source) {
    if (drag_)
        drag_->setDragCursor(w_.showsDropCursor(source) ? w_.dropCursor : w_.carryCursor,
                             Qt::IgnoreAction);
}

bool EventRouter::dragEvent(QObject* watched, QDropEvent* event) {
    QWidget* source = sourceOf(*event);
    const auto target = dropTargets_.constFind(watched);
    if (!source) {
        if (watched == w_.lstSelected || watched == w_.lstSelected->viewport())
            return shellDragEvent(event);
        event->ignore();
        return true;
    }
    if (target == dropTargets_.constEnd() || !target->over) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        const std::function<void(QWidget*)> drop = target->drop;
        pendingDrop_ = [drop, source = QPointer<QWidget>(source)] {
            if (drop && source)
                drop(source);
        };
    } else {
        target->over(source);
        showCursorOf(source);
    }
    event->setDropAction(w_.showsDropCursor(source) ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    return true;
}

bool EventRouter::shellDragEvent(QDropEvent* event) {
    // Only lists of files are taken from other programs.
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::Drop) {
        const Qt::DropAction answer =
            w_.lstSelected_OLEDragOver(event->mimeData(), event->proposedAction());
        if (answer == Qt::IgnoreAction) {
            event->ignore();
        } else {
            event->setDropAction(answer);
            event->accept();
        }
        return true;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Answered after the drop has returned, so that the file manager is not held up while a
    // question waits for the user; the data goes with the drag, so it is copied.
    auto files = std::make_shared<QMimeData>();
    files->setUrls(event->mimeData()->urls());
    QTimer::singleShot(0, &w_, [w = &w_, files] { w->lstSelected_OLEDragDrop(files.get()); });
    return true;
}
} // namespace

void frmMain::installEventRouting() {
    new EventRouter(*this);
}
