// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The formats that password managers put beside a copied password so that clipboard histories
// leave it alone, by the names the X clipboard and Qt give them.
namespace SecretMarkers {

// Offered at all, these mark the content secret.
const QStringList &presenceFormats();
// These mark it secret by their value; valueMarksSecret says how.
const QStringList &valueFormats();
// Whether a value format's value marks the content secret. An empty value does: the owner took
// the trouble to offer the marker, and a password may be behind it.
bool valueMarksSecret(const QString &format, const QByteArray &value);

} // namespace SecretMarkers
