// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/teacher_code.h"

#include "exercises/question_dialog.h"
#include "ui/modal.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStringList>

#include <array>
#include <cstring>

namespace exercises {
namespace {

const QString version = QStringLiteral("code1");
constexpr int saltBytes = 16;
constexpr int hashBytes = 32;
constexpr int rounds = 20000;

QByteArray hashOf(const QString& code, const QByteArray& salt) {
    QByteArray h = QCryptographicHash::hash(salt + code.toUtf8(), QCryptographicHash::Sha256);
    for (int n = 1; n < rounds; ++n)
        h = QCryptographicHash::hash(h + salt, QCryptographicHash::Sha256);
    return h;
}

bool isLowerHex(const QString& text, int bytes) {
    if (text.size() != 2 * bytes) return false;
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return false;
    return true;
}

struct StoredCode {
    QByteArray salt;
    QByteArray hash;
};

std::optional<StoredCode> parse(const QString& recordText) {
    const QStringList parts = recordText.trimmed().split(QLatin1Char(';'));
    if (parts.size() != 3 || parts[0] != version || !isLowerHex(parts[1], saltBytes) ||
        !isLowerHex(parts[2], hashBytes))
        return std::nullopt;
    return StoredCode{QByteArray::fromHex(parts[1].toLatin1()),
                      QByteArray::fromHex(parts[2].toLatin1())};
}

// Compares every byte, whatever the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

// The window that asks the code: a hidden box named "code", OK and Annuler.
class TeacherCodeDialog : public QuestionDialog {
public:
    TeacherCodeDialog(const QString& action, QWidget* parent)
        : QuestionDialog(action,
                         QStringLiteral("Cet exercice est protégé par un code enseignant. Taper "
                                        "le code pour continuer."),
                         QStringLiteral("Code enseignant"), 360, parent) {
        setObjectName(QStringLiteral("codeenseignant"));
        box->setObjectName(QStringLiteral("code"));
        box->setEchoMode(QLineEdit::Password);
    }
};

} // namespace

QString teacherCodeProblem(const QString& code, const QString& again) {
    if (code != again)
        return QStringLiteral("Les deux codes enseignant tapés diffèrent\u00A0: les retaper.");
    if (code.size() < minTeacherCode)
        return QStringLiteral("Le code enseignant doit compter au moins %1 caractères.")
            .arg(minTeacherCode);
    if (code.trimmed() != code)
        return QStringLiteral("Le code enseignant ne peut ni commencer ni finir par une espace.");
    return {};
}

QString teacherCodeRecordText(const QString& code) {
    QByteArray salt(saltBytes, Qt::Uninitialized);
    std::array<quint32, saltBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    std::memcpy(salt.data(), words.data(), saltBytes);
    return version + QLatin1Char(';') + QString::fromLatin1(salt.toHex()) + QLatin1Char(';') +
           QString::fromLatin1(hashOf(code, salt).toHex());
}

bool holdsTeacherCode(const QString& recordText) {
    return !recordText.trimmed().isEmpty();
}

bool teacherCodeMatches(const QString& recordText, const QString& code) {
    const std::optional<StoredCode> stored = parse(recordText);
    return stored && sameBytes(hashOf(code, stored->salt), stored->hash);
}

bool teacherCodeGiven(QWidget* parent, const QString& recordText, const QString& action) {
    if (!holdsTeacherCode(recordText)) return true;
    TeacherCodeDialog dialog(action, parent);
    if (ui::exec(dialog) != QDialog::Accepted) return false;
    if (teacherCodeMatches(recordText, dialog.box->text())) return true;
    ui::ask(parent,
            QStringLiteral("Code enseignant incorrect\u00A0: l'exercice reste fermé à la "
                           "modification et aux valeurs des élèves."),
            action, ui::Icon::Exclamation, ui::Buttons::Ok);
    return false;
}

} // namespace exercises
