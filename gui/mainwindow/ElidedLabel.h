#pragma once

#include <QLabel>

// A one-line label for a path: when the text is wider than the label, its start gives way to an
// ellipsis so that the end (the file name) stays readable, and the whole text is its tool tip.
// text() is always the whole text, as it was set.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    // The text as it is drawn at the label's present width.
    [[nodiscard]] QString shownText() const;
    // An eliding label needs only room for its height: any width shows something useful.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
