#include "common/core/InputChecks.h"

namespace luvo {

bool InRange(const InputRule& rule, double value) { return InFieldRange(value, RangeOf(rule)); }

FieldRange RangeOf(const InputRule& rule) {
    return {rule.lower, rule.lowerIncluded, rule.upper, rule.upperIncluded, rule.maxLength};
}

CheckValues ReadCheckValues(const CheckTable& table, const CheckTexts& texts) {
    CheckValues values(table.inputCount, 0.0);
    for (int input : table.order) values[input] = FieldCheckValue(texts[input]);
    return values;
}

PassOutcome EvaluatePass(const CheckTable& table, const CheckTexts& texts) {
    using Kind = PassOutcome::Kind;
    const CheckValues values = ReadCheckValues(table, texts);
    PassOutcome outcome;
    for (size_t k = 0; k < table.order.size(); ++k) {
        const int input = table.order[k];
        const InputRule& rule = table.rule(input);
        const bool inRange = InRange(rule, values[input]);
        if (!inRange || TextLength(texts[input]) > rule.maxLength) {
            outcome.violations.push_back({input, !inRange,
                                          inRange ? rule.lengthCaption : rule.rangeCaption,
                                          inRange ? rule.lengthMessage : rule.rangeMessage,
                                          inRange ? rule.lengthReset : rule.rangeReset});
            outcome.kind = Kind::Violations;
            if (static_cast<int>(k) >= table.continuingChecks) return outcome;
            continue;
        }
        if (input != table.sumAfter || !table.sumRule) continue;
        SumDecision sum = table.sumRule(values);
        if (sum.sumCase == 0) continue;
        outcome.sumCase = sum.sumCase;
        outcome.kind = sum.showBox ? Kind::SumBox : Kind::SumCorrection;
        outcome.writes = std::move(sum.writes);
        return outcome;
    }
    return outcome;
}

void RunCheckPass(const CheckTable& table, CheckHost& host) {
    using Kind = PassOutcome::Kind;
    CheckTexts texts(table.inputCount);
    for (int input : table.order) texts[input] = host.Text(input);
    const PassOutcome outcome = EvaluatePass(table, texts);

    // Writes use the texts this pass formatted from its own reading, whatever the nested passes
    // have written in between.
    bool changed = false;
    auto write = [&](int input, const std::string& text) {
        if (host.Text(input) == text) return;
        changed = true;
        host.Write(input, text);
    };

    for (const CheckViolation& v : outcome.violations) {
        host.ShowBox(v.caption, v.message);
        write(v.input, v.reset);
    }
    switch (outcome.kind) {
        case Kind::Accepted:
            host.Recompute();
            return;
        case Kind::Violations:
            return;
        case Kind::SumBox:
            host.ShowBox(table.sumCaption, table.sumMessage);
            return;
        case Kind::SumCorrection:
            changed = false;
            for (const InputWrite& w : outcome.writes) {
                if (host.Text(w.input) == w.text) continue;
                changed = true;
                host.WriteQuietly(w.input, w.text);
            }
            if (!changed) {
                host.ShowBox(table.sumCaption, table.sumMessage);
                return;
            }
            RunCheckPass(table, host);
            return;
    }
}

}  // namespace luvo
