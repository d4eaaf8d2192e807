#include "ResourceScript.h"

#include <QtEndian>

namespace {

constexpr int kWordsPerLine = 8;
constexpr int kWordSize = 2;
constexpr int kHexDigits = 4;
constexpr int kHexBase = 16;
// Japanese, default sublanguage.
constexpr const char* kLanguage = "LANGUAGE 0x11, 0x01\n";

}  // namespace

QByteArray ResourceScript::raw(int id, int type, const QByteArray& bytes, const QByteArray& comment)
{
    QByteArray text = "// " + comment + "\n" + kLanguage + QByteArray::number(id) + ' ' +
                      QByteArray::number(type) + "\nBEGIN\n";
    const qsizetype words = bytes.size() / kWordSize;
    for (qsizetype i = 0; i < words; ++i) {
        const quint16 word = qFromLittleEndian<quint16>(bytes.constData() + i * kWordSize);
        text += i % kWordsPerLine == 0 ? "    " : " ";
        text += "0x" + QByteArray::number(word, kHexBase).rightJustified(kHexDigits, '0');
        if (i + 1 < words) {
            text += ',';
        }
        if (i % kWordsPerLine == kWordsPerLine - 1 || i + 1 == words) {
            text += '\n';
        }
    }
    return text + "END\n";
}
