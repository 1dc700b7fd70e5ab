// A push button that draws itself in a fill colour with a text colour of its own, whatever the
// style: the column headers of the interval execution summary, whose colour is the model's
// status.
#pragma once

#include <QColor>
#include <QPushButton>

namespace vnk::interval_screens {

class HeaderButton : public QPushButton {
    Q_OBJECT
  public:
    HeaderButton(const QString& text, const QColor& fill, const QColor& textColour,
                 QWidget* parent = nullptr);

    QColor fill() const { return fill_; }
    QColor textColour() const { return textColour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_;
    QColor textColour_;
};

}  // namespace vnk::interval_screens
