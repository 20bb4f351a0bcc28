// SPDX-License-Identifier: MIT
#include "character_names.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "note_text.h"
#include "number_format.h"

namespace {

struct Names {
    Q_DECLARE_TR_FUNCTIONS(CharacterNames)
};

struct NamedCharacter {
    char32_t character;
    const char* name;
    // Whether the name is followed by the glyph, so that it can be found in the text.
    bool withGlyph;
};

constexpr std::array kNamedCharacters = {
    NamedCharacter{U'\t', QT_TRANSLATE_NOOP("CharacterNames", "tab"), false},
    NamedCharacter{U'\r', QT_TRANSLATE_NOOP("CharacterNames", "carriage return"), false},
    NamedCharacter{U'\n', QT_TRANSLATE_NOOP("CharacterNames", "line feed"), false},
    NamedCharacter{0x00A0, QT_TRANSLATE_NOOP("CharacterNames", "no-break space"), false},
    NamedCharacter{0x202F, QT_TRANSLATE_NOOP("CharacterNames", "narrow no-break space"), false},
    NamedCharacter{0x2009, QT_TRANSLATE_NOOP("CharacterNames", "thin space"), false},
    NamedCharacter{0x200B, QT_TRANSLATE_NOOP("CharacterNames", "zero-width space"), false},
    NamedCharacter{0xFEFF, QT_TRANSLATE_NOOP("CharacterNames", "zero-width no-break space"), false},
    NamedCharacter{0x2028, QT_TRANSLATE_NOOP("CharacterNames", "line separator"), false},
    NamedCharacter{0x2018, QT_TRANSLATE_NOOP("CharacterNames", "left single quote"), true},
    NamedCharacter{0x2019, QT_TRANSLATE_NOOP("CharacterNames", "right single quote"), true},
    NamedCharacter{0x201A, QT_TRANSLATE_NOOP("CharacterNames", "low single quote"), true},
    NamedCharacter{0x201C, QT_TRANSLATE_NOOP("CharacterNames", "left double quote"), true},
    NamedCharacter{0x201D, QT_TRANSLATE_NOOP("CharacterNames", "right double quote"), true},
    NamedCharacter{0x201E, QT_TRANSLATE_NOOP("CharacterNames", "low double quote"), true},
    NamedCharacter{0x2013, QT_TRANSLATE_NOOP("CharacterNames", "en dash"), true},
    NamedCharacter{0x2014, QT_TRANSLATE_NOOP("CharacterNames", "em dash"), true},
    NamedCharacter{0x2212, QT_TRANSLATE_NOOP("CharacterNames", "minus sign"), true},
    NamedCharacter{0x2026, QT_TRANSLATE_NOOP("CharacterNames", "ellipsis"), true},
    NamedCharacter{0xFFFD, QT_TRANSLATE_NOOP("CharacterNames", "replacement mark"), true},
};

QString glyph(char32_t character) {
    return QString::fromUcs4(&character, 1);
}

QString code(char32_t character) {
    return "U+" + QString("%1").arg(static_cast<uint>(character), 4, 16, QChar('0')).toUpper();
}

QString withCount(const QString& name, std::size_t count) {
    return count == 1 ? name : QString("%1 (%2)").arg(name, groupedNumber(count));
}

QStringList kindNames(const notes::OutsideCharacters& characters) {
    QStringList names;
    for (const notes::OutsideCharacter& kind : characters.kinds) {
        names << withCount(characterName(kind.character), kind.count);
    }
    return names;
}

}  // namespace

QString characterName(char32_t character) {
    for (const NamedCharacter& named : kNamedCharacters) {
        if (named.character == character) {
            const QString name = Names::tr(named.name);
            return named.withGlyph ? name + ' ' + glyph(character) : name;
        }
    }
    if (QChar::isSpace(character)) {
        return Names::tr("space %1").arg(code(character));
    }
    if (!QChar::isPrint(character) || QChar::category(character) == QChar::Other_Format) {
        return code(character);
    }
    return glyph(character);
}

QString codedCharacterList(const notes::CodedCharacters& characters) {
    QStringList names;
    for (const notes::CodedCharacter& kind : characters.kinds) {
        const QString asCode =
            Names::tr("%1 as %2").arg(characterName(kind.character), toQString(kind.code));
        names << withCount(asCode, kind.count);
    }
    return names.join(", ");
}

QString strayCharacterList(const notes::OutsideCharacters& characters) {
    QStringList names = kindNames(characters);
    if (characters.lineBreaks != 0) {
        names.prepend(withCount(Names::tr("line break"), characters.lineBreaks));
    }
    return names.join(", ");
}
