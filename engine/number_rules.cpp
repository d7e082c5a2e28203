#include "calc_engine.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace {

struct Operation {
    std::string_view Caption;
    double (*Apply)(double, double);
};

// A division by 0 gives an infinity or NaN, which shows "ERROR" like any result out of range.
constexpr Operation kOperations[] = {
    {"+", [](double a, double b) { return a + b; }},
    {"-", [](double a, double b) { return a - b; }},
    {"X", [](double a, double b) { return a * b; }},
    {"/", [](double a, double b) { return b == 0.0 ? NAN : a / b; }},
};

}  // namespace

const std::array<CalcEngine::KeyRule, 10> CalcEngine::kNumberRules{{
    {".", &CalcEngine::DecimalPoint},
    {"+", &CalcEngine::ArithmeticOperator},
    {"-", &CalcEngine::ArithmeticOperator},
    {"X", &CalcEngine::ArithmeticOperator},
    {"/", &CalcEngine::ArithmeticOperator},
    {"%", &CalcEngine::Percent},
    {"=", &CalcEngine::NumberEquals},
    {"+/-", &CalcEngine::ChangeSign},
    {"1/x", &CalcEngine::Reciprocal},
    {"sqrt", &CalcEngine::SquareRoot},
}};

void CalcEngine::ShowResult(double result, CalcValue* into) {
    if (!std::isfinite(result)) {
        EntryText = kError;
        return;
    }
    if (into != nullptr) *into = result;
    EntryText = CutToDisplay(NumberText(result));
}

CalcEngine::Outcome CalcEngine::DecimalPoint(std::string_view caption) {
    StartFresh();
    if (EntryText.find('.') != std::string::npos) return {{}, true};
    EntryText += caption;
    return {};
}

CalcEngine::Outcome CalcEngine::ArithmeticOperator(std::string_view caption) {
    // With a second operand typed since the last operator, the pending operation is evaluated
    // first, so 1 + 2 + 3 = gives 6; an operator right after another only replaces it. Either
    // way the first operand is the number shown, as after "=" and an operator.
    if (CaptureOperand2 && !NewEntry) NumberEquals("=");
    Operand1 = NumericValue(EntryText);
    ArmOperator(caption);
    return {};
}

CalcEngine::Outcome CalcEngine::Percent(std::string_view) {
    const double percent = NumberOf(Operand1) * (NumericValue(EntryText) / 100.0);
    if (!std::isfinite(percent)) {
        EntryText = kError;
        return {};
    }
    Operand2 = percent;
    EntryText = NumberText(percent);  // shown whole, not cut
    return {};
}

CalcEngine::Outcome CalcEngine::NumberEquals(std::string_view) {
    if (CaptureOperand2) {
        Operand2 = NumericValue(EntryText);
        CaptureOperand2 = false;
    }
    const auto operation = std::ranges::find(kOperations, std::string_view(PendingOp), &Operation::Caption);
    const bool pending = operation != std::end(kOperations);
    ShowResult(pending ? operation->Apply(NumberOf(Operand1), NumberOf(Operand2)) : NumericValue(EntryText), &Operand1);
    ResultShown = true;
    return {};
}

CalcEngine::Outcome CalcEngine::ChangeSign(std::string_view) {
    if (EntryText.empty()) return {};
    if (EntryText.front() == '-') EntryText.erase(0, 1);
    else EntryText.insert(0, 1, '-');
    return {};
}

CalcEngine::Outcome CalcEngine::Reciprocal(std::string_view) {
    const double x = NumericValue(EntryText);
    if (x == 0.0) EntryText = kError;
    else ShowResult(1.0 / x, CaptureOperand2 ? nullptr : &Operand1);
    return {};
}

CalcEngine::Outcome CalcEngine::SquareRoot(std::string_view) {
    const double x = NumericValue(EntryText);
    if (x < 0.0) EntryText = kError;
    else ShowResult(std::sqrt(x), CaptureOperand2 ? nullptr : &Operand1);
    return {};
}
