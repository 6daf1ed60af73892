// The binding pass: formats and parsers of the three member types; numbers
// always with a decimal point (framework/NumberText.h).

#include "framework/DataExchange.h"

#include "framework/Dialog.h"
#include "framework/NumberText.h"
#include "framework/WinApp.h"

#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstdlib>

void CDataExchange::Fail() {
    throw CUserException();
}

std::string FormatInteger(int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

std::string FormatFloat(float value) {
    return NumberText(static_cast<double>(value), FLT_DIG);
}

namespace {

bool OnlySpaceFrom(const char* p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

} // namespace

bool ParseInteger(const std::string& text, int& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || !OnlySpaceFrom(end)) return false;
    if (parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseFloat(const std::string& text, float& value) {
    double parsed = 0;
    if (!ParseNumberText(text, parsed)) return false;
    if (parsed > FLT_MAX || parsed < -FLT_MAX) return false;
    value = static_cast<float>(parsed);
    return true;
}

namespace {

void NameMember(CDataExchange* pDX, int id, const char* member) {
    if (pDX->m_bNameMembers) pDX->m_pDlgWnd->NameMember(member, id);
}

} // namespace

void DDX_ControlNamed(CDataExchange* pDX, int id, CWnd& control, const char* member) {
    NameMember(pDX, id, member);
    if (!control.IsAttached()) control.Attach(pDX->m_pDlgWnd, id);
}

namespace {

// Shows a read-back failure in the framework's words and ends the pass.
[[noreturn]] void FailWith(CDataExchange* pDX, int id, const char* text) {
    pDX->m_pDlgWnd->GotoDlgCtrl(id);
    AfxMessageBox(text);
    pDX->Fail();
}

// Writes a control's text, marking the control changed only when it is.
void Show(CDataExchange* pDX, ControlState& control, std::string text) {
    if (control.text == text) return;
    control.text = std::move(text);
    pDX->m_pDlgWnd->TouchControl(control, false);
}

// One number member: formatted into its control, or parsed back from it.
template <typename T>
void ExchangeNumber(CDataExchange* pDX, int id, T& value, std::string (*format)(T),
                    bool (*parse)(const std::string&, T&), const char* failure) {
    ControlState& control = pDX->m_pDlgWnd->Control(id);
    if (!pDX->m_bSaveAndValidate)
        Show(pDX, control, format(value));
    else if (!parse(control.text, value))
        FailWith(pDX, id, failure);
}

} // namespace

void DDX_TextNamed(CDataExchange* pDX, int id, int& value, const char* member) {
    NameMember(pDX, id, member);
    ExchangeNumber(pDX, id, value, FormatInteger, ParseInteger, "Please enter an integer.");
}

void DDX_TextNamed(CDataExchange* pDX, int id, float& value, const char* member) {
    NameMember(pDX, id, member);
    ExchangeNumber(pDX, id, value, FormatFloat, ParseFloat, "Please enter a number.");
}

void DDX_TextNamed(CDataExchange* pDX, int id, std::string& value, const char* member) {
    NameMember(pDX, id, member);
    ControlState& control = pDX->m_pDlgWnd->Control(id);
    if (pDX->m_bSaveAndValidate)
        value = control.text;
    else
        Show(pDX, control, value);
}
