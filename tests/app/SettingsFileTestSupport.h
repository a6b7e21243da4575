// A calculator with every stored setting away from its default, for the settings tests.
#pragma once

#include "app/Calculator.h"
#include "calc/Catalogue.h"

namespace zul::testing {

inline Calculator Configured() {
    Calculator c;
    const auto selection = SelectTopicNode(IndexOfCode(1));
    c.main.topic = selection->state;
    c.settings.angleUnit = AngleUnit::Grads;
    c.settings.SetTrackBarPosition(37);
    c.memory.SetInsertMode(MemoryInsertMode::Replace);
    c.memory.SetColumnWidthsText("41 300 120 90");
    c.settings.fields[ConstantField::PlotnVoda] = " 1000";
    c.settings.fields[ConstantField::TeplMVoda] = "4.2";
    c.settings.fields[ConstantField::TeplMVozd] = "1.01";
    c.settings.fields[ConstantField::TeplVVozd] = "1.3";
    c.settings.fields[ConstantField::PlotnMatTr] = "7850";
    c.settings.fields[ConstantField::HaraktShum] = "-26 -16 -9 -3 0 1 1 -1";
    c.settings.grid.SetUserConstants({{"a", "1.5"}, {"", "5"}, {"", ""}, {"frac", "1/3"}, {"Длина", "2*pi"}});
    c.settings.grid.SetCurrentRow(6);
    for (const char* line : {"2+3//!5//!сумма", "4*5//!20//!", "a*2//!3//!= a, удвоенное"}) {
        c.memory.AddOrUpdateLine(0, line);
        c.main.history.InsertNewest(SplitMemoryLine(line).expression);
    }
    return c;
}

}  // namespace zul::testing
