#pragma once
// Every text the user can see, exactly as the tool shows it.

namespace texts {

inline constexpr char16_t kErrorCaption[] = u"Fehler";
inline constexpr char16_t kNoticeCaption[] = u"Hinweis";

inline constexpr char16_t kNoInstallation[] = u"Es konnte keine <Arvent> Installation gefunden werden!";
inline constexpr char16_t kNoMapEditor[] = u"Diese Programm erfordert den Arvent Karteneditor!";

inline constexpr char16_t kCaptionReplace[] = u"Ersetzen";
inline constexpr char16_t kCaptionSetGerman[] = u"Deutsch einstellen";
inline constexpr char16_t kCaptionSetEnglish[] = u"Englisch einstellen";

inline constexpr char16_t kReplaceFailed[] =
    u"Es ist ein Fehler aufgetreten. Die Datei konnte nichte ausgetauscht werden!";
inline constexpr char16_t kSetToEnglish[] =
    u"Die Anzeigesprache des AV Mapeditors wurde auf Englisch eingestellt.";
inline constexpr char16_t kRestartGame[] = u"            Sie m\u00fcssen das Spiel ggf. neu starten!";
inline constexpr char16_t kSetToGerman[] =
    u"Die Anzeigesprache des AV Mapeditors wurde auf Deutsch eingestellt.";

inline constexpr char16_t kEditorRunning[] = u"Der AV Mapeditor ist noch aktiv. Nach einem Austausch";
inline constexpr char16_t kRestartEditor[] = u"der Sprachdatei muss der Editor neu gestartet werden.";

// Toolkit exception templates; %s is filled in order.
inline constexpr char16_t kItemNotFound[] = u"Ressource %s nicht gefunden";
inline constexpr char16_t kCannotCreate[] = u"Datei \"%s\" kann nicht erstellt werden. %s";
inline constexpr char16_t kStreamWriteError[] = u"Stream-Schreibfehler";
inline constexpr char16_t kInvalidDataType[] = u"Ung\u00fcltiger Datentyp f\u00fcr '%s'";
inline constexpr char16_t kCannotGetData[] = u"Fehler beim Holen der Daten f\u00fcr '%s'";
inline constexpr char16_t kCannotOpen[] = u"Datei %s kann nicht ge\u00f6ffnet werden. %s";

}  // namespace texts
