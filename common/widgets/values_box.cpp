// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/values_box.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace rb {

QCheckBox *MakeValuesBox(QWidget *parent, const QFont &font)
{
    auto *box = new QCheckBox(QCoreApplication::translate("rb::ValuesBox", "Werte"), parent);
    box->setFont(font);
    box->setAccessibleDescription(QCoreApplication::translate("rb::ValuesBox", "Werte im Diagramm"));
    return box;
}

QLabel *MakeValueLabel(QWidget *plot, FontSpec font)
{
    QLabel *label = MakeClearLabel(plot, QString(), font);
    label->setWordWrap(false);
    label->hide();
    return label;
}

} // namespace rb
