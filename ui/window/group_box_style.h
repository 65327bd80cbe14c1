#pragma once
// The frames of the pages drawn as Fusion draws them, but with the painter:
// Fusion reads its frame from a picture, and reading any picture makes Qt
// load every image plugin it has (gif, ico, jpeg) to ask whether it reads
// the file, a good part of the start-up. The frame is a faint rounded line
// around an even fainter fill; every other element is Fusion's own. Under
// any other style the frames are left to that style.

#include <QProxyStyle>

namespace kelvora::ui {

class GroupBoxStyle : public QProxyStyle {
public:
    // The style for the group boxes of a window, owned by `owner`, or nullptr
    // when the application's style is not Fusion.
    static GroupBoxStyle* ForFusion(QObject* owner);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    GroupBoxStyle();
};

}  // namespace kelvora::ui
