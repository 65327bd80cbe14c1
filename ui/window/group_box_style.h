#pragma once
// The frames of the pages and the pane of the tabs drawn as Fusion draws
// them, but as opaque rows and columns of pixels: Fusion reads its frame from
// a picture, and reading any picture makes Qt load every image plugin it has
// (gif, ico, jpeg) to ask whether it reads the file; and a translucent line
// down a page is a blend of one span a row, which Qt hands to threads it
// starts for it. Both were a good part of the start-up. The frame is a faint
// line with rounded corners; every other element is Fusion's own. Under any
// other style the frames are left to that style.

#include <QProxyStyle>

namespace kelvora::ui {

class GroupBoxStyle : public QProxyStyle {
public:
    // The style for the group boxes and the tab control of a window, owned by
    // `owner`, or nullptr when the application's style is not Fusion.
    static GroupBoxStyle* ForFusion(QObject* owner);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    GroupBoxStyle();
    void DrawPane(const QStyleOption* option, QPainter* painter) const;
    void DrawFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
};

}  // namespace kelvora::ui
