<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>CharacterNames</name>
    <message numerus="yes">
        <source>%Ln others</source>
        <translation>
            <numerusform>%Ln other</numerusform>
            <numerusform>%Ln others</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message numerus="yes">
        <source>%Ln spaces</source>
        <translation>
            <numerusform>%Ln space</numerusform>
            <numerusform>%Ln spaces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line breaks</source>
        <translation>
            <numerusform>%Ln line break</numerusform>
            <numerusform>%Ln line breaks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shorten it by %Ln characters (a line break counts as two), or transform it in pieces.</source>
        <translation>
            <numerusform>Shorten it by %Ln character, or transform it in pieces.</numerusform>
            <numerusform>Shorten it by %Ln characters (a line break counts as two), or transform it in pieces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decrypted, with %Ln line breaks put back.</source>
        <translation>
            <numerusform>Decrypted, with %Ln line break put back.</numerusform>
            <numerusform>Decrypted, with %Ln line breaks put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters could not come back and are marked %1.</source>
        <translation>
            <numerusform>%Ln character could not come back and is marked %1.</numerusform>
            <numerusform>%Ln characters could not come back and are marked %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line breaks were put back.</source>
        <translation>
            <numerusform>%Ln line break was put back.</numerusform>
            <numerusform>%Ln line breaks were put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters travel as codes: %1.</source>
        <translation>
            <numerusform>%Ln character travels as a code: %1.</numerusform>
            <numerusform>%Ln characters travel as codes: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shorten it by %Ln characters (a line break counts as two, a code as its length), or transform it in pieces.</source>
        <translation>
            <numerusform>Shorten it by %Ln character (a line break counts as two, a code as its length), or transform it in pieces.</numerusform>
            <numerusform>Shorten it by %Ln characters (a line break counts as two, a code as its length), or transform it in pieces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln codes were read back as their characters.</source>
        <translation>
            <numerusform>%Ln code was read back as its character.</numerusform>
            <numerusform>%Ln codes were read back as their characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters travel as codes, %1 characters longer: %2.</source>
        <translation>
            <numerusform>%Ln character travels as a code, %1 characters longer: %2.</numerusform>
            <numerusform>%Ln characters travel as codes, %1 characters longer: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs</source>
        <translation>
            <numerusform>%Ln tab</numerusform>
            <numerusform>%Ln tabs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters that no cipher text has (%1)</source>
        <translation>
            <numerusform>%Ln character that no cipher text has (%1)</numerusform>
            <numerusform>%Ln characters that no cipher text has (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decrypted at your word, with %Ln line breaks put back.</source>
        <translation>
            <numerusform>Decrypted at your word, with %Ln line break put back.</numerusform>
            <numerusform>Decrypted at your word, with %Ln line breaks put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encrypted in %Ln pieces, one to a line with an empty line between, each ending in its number after a ~.</source>
        <translation>
            <numerusform>Encrypted in %Ln piece, one to a line with an empty line between, each ending in its number after a ~.</numerusform>
            <numerusform>Encrypted in %Ln pieces, one to a line with an empty line between, each ending in its number after a ~.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encrypted, with %Ln characters added at the end, after a ~.</source>
        <translation>
            <numerusform>Encrypted, with %Ln character added at the end, after a ~.</numerusform>
            <numerusform>Encrypted, with %Ln characters added at the end, after a ~.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encrypt Text adds %Ln characters at the end so that it encrypts.</source>
        <translation>
            <numerusform>Encrypt Text adds %Ln character at the end so that it encrypts.</numerusform>
            <numerusform>Encrypt Text adds %Ln characters at the end so that it encrypts.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decrypted %Ln cipher texts into one note.</source>
        <translation>
            <numerusform>Decrypted %Ln cipher text into one note.</numerusform>
            <numerusform>Decrypted %Ln cipher texts into one note.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decrypted %1 into %Ln notes, an empty line between two.</source>
        <translation>
            <numerusform>Decrypted %1 into %Ln note, an empty line between two.</numerusform>
            <numerusform>Decrypted %1 into %Ln notes, an empty line between two.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decrypt Text brings back the %Ln notes they hold.</source>
        <translation>
            <numerusform>Decrypt Text brings back the %Ln note they hold.</numerusform>
            <numerusform>Decrypt Text brings back the %Ln notes they hold.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln cipher texts</source>
        <translation>
            <numerusform>%Ln cipher text</numerusform>
            <numerusform>%Ln cipher texts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line breaks inside them, as mail programs wrap lines, were taken out first.</source>
        <translation>
            <numerusform>%Ln line break inside them, as mail programs wrap lines, was taken out first.</numerusform>
            <numerusform>%Ln line breaks inside them, as mail programs wrap lines, were taken out first.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln line breaks inside, as mail programs wrap lines</source>
        <translation>
            <numerusform>%Ln line break inside, as mail programs wrap lines</numerusform>
            <numerusform>%Ln line breaks inside, as mail programs wrap lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This does not look like a cipher text that Encrypt Text made: in %Ln places it decrypts into nothing, and the rest does not read like text.</source>
        <translation>
            <numerusform>This does not look like a cipher text that Encrypt Text made: in %Ln place it decrypts into nothing, and the rest does not read like text.</numerusform>
            <numerusform>This does not look like a cipher text that Encrypt Text made: in %Ln places it decrypts into nothing, and the rest does not read like text.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters of its note cannot come back</source>
        <translation>
            <numerusform>%Ln character of its note cannot come back</numerusform>
            <numerusform>%Ln characters of its note cannot come back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %Ln characters of its note cannot come back</source>
        <translation>
            <numerusform>at least %Ln character of its note cannot come back</numerusform>
            <numerusform>at least %Ln characters of its note cannot come back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It is now in %Ln pieces, one to a line with an empty line between.</source>
        <translation>
            <numerusform>It is now in %Ln piece, one to a line with an empty line between.</numerusform>
            <numerusform>It is now in %Ln pieces, one to a line with an empty line between.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters were added at the end, after a ~.</source>
        <translation>
            <numerusform>%Ln character was added at the end, after a ~.</numerusform>
            <numerusform>%Ln characters were added at the end, after a ~.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 characters, %Ln pieces: Encrypt Text writes each as a cipher text of its own.</source>
        <translation>
            <numerusform>%1 characters, %Ln piece: Encrypt Text writes it as a cipher text of its own.</numerusform>
            <numerusform>%1 characters, %Ln pieces: Encrypt Text writes each as a cipher text of its own.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln spaces or tabs at the ends of their lines, as mail programs leave them, were taken out too.</source>
        <translation>
            <numerusform>%Ln space or tab at the end of a line, as mail programs leave them, was taken out too.</numerusform>
            <numerusform>%Ln spaces or tabs at the ends of their lines, as mail programs leave them, were taken out too.</numerusform>
        </translation>
    </message>
</context>
</TS>
