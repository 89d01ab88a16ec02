#pragma once

#include <initializer_list>
#include <vector>

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// In the order in which the buttons stand in the row.
enum TMsgDlgBtn {
    mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp
};
inline constexpr int MsgDlgButtonCount = mbHelp + 1;

// A set of buttons; each button at most once.
class TMsgDlgButtons
{
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn button : buttons)
            m_bits |= 1u << button;
    }
    constexpr bool contains(TMsgDlgBtn button) const { return (m_bits >> button) & 1u; }
    // The buttons of the set in the order in which they stand in the row.
    std::vector<TMsgDlgBtn> inRowOrder() const
    {
        std::vector<TMsgDlgBtn> row;
        for (int b = mbYes; b <= mbHelp; ++b) {
            if (contains(TMsgDlgBtn(b)))
                row.push_back(TMsgDlgBtn(b));
        }
        return row;
    }

private:
    unsigned m_bits = 0;
};

// The modal results a box returns.
namespace ModalResult {
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrAll = 8;
inline constexpr int mrNoToAll = 9;
inline constexpr int mrYesToAll = 10;
} // namespace ModalResult
