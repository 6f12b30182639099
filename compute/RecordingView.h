#pragma once
// A calculation window without widgets: it holds the box texts, records the messages, and
// passes text changes back to the wizard as a real window does. Used by the command-line
// calculator and by tests of the core.

#include <array>
#include <string>
#include <vector>

#include "ProblemWizard.h"

namespace taldor {

class RecordingView final : public WizardView {
public:
    // The boxes start with their default texts.
    RecordingView();

    // The wizard whose change handler the box texts notify; set once it exists.
    void attach(ProblemWizard* wizard) { m_wizard = wizard; }

    std::string boxText(Box box) const override { return m_texts[static_cast<std::size_t>(box)]; }
    void setBoxText(Box box, const std::string& text) override;
    void focusBox(Box box) override { m_focused = box; }
    void showMessage(const std::string& text) override { m_messages.push_back(text); }
    void openRangeSheet(const std::string& sheet) override { m_sheets.push_back(sheet); }
    void showSeries(int slot, const SeriesState&) override { ++m_seriesShows[static_cast<std::size_t>(slot)]; }

    const std::vector<std::string>& messages() const { return m_messages; }
    const std::vector<std::string>& sheets() const { return m_sheets; }
    Box focused() const { return m_focused; }
    int seriesShows(int slot) const { return m_seriesShows[static_cast<std::size_t>(slot)]; }

private:
    std::array<std::string, kBoxCount> m_texts;
    std::vector<std::string> m_messages;
    std::vector<std::string> m_sheets;
    std::array<int, kSlotCount> m_seriesShows{};
    Box m_focused = Box::AguaDens;
    ProblemWizard* m_wizard = nullptr;
};

// A window with its wizard, ready to be driven as a user would.
class RecordedWindow {
public:
    RecordedWindow() : wizard(view) { view.attach(&wizard); }
    // Types a text into a box: enters it, replaces the text, leaves it. Returns the exit check's
    // verdict.
    bool type(Box box, const std::string& text) {
        wizard.boxEnter(box);
        view.setBoxText(box, text);
        return wizard.boxExit(box);
    }

    RecordingView view;
    ProblemWizard wizard;
};

}  // namespace taldor
