#include "RecordingView.h"

namespace taldor {

RecordingView::RecordingView() {
    for (const BoxInfo& info : BoxCatalogue()) m_texts[static_cast<std::size_t>(info.box)] = info.defaultText;
}

void RecordingView::setBoxText(Box box, const std::string& text) {
    std::string& current = m_texts[static_cast<std::size_t>(box)];
    if (current == text) return;
    current = text;
    if (m_wizard) m_wizard->boxChanged(box);
}

}  // namespace taldor
