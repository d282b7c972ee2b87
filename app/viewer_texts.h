// The viewer's own texts, as code page 932 bytes. Each is written out in a
// comment; a literal is split where a hexadecimal escape would otherwise run
// into a following letter or digit.
#pragma once

// The window class name, the first title and the program name in captions.
constexpr char kProgramName[] = "Kovlo";

// " 全%d枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● %s"
constexpr char kTitleFormat[] =
    " \x91S%d\x96\x87 \x81\x9c [J] \x82\xc5\x8ew\x92\xe8\x94\xd4\x82\xc9\x83W\x83\x83\x83\x93"
    "\x83v \x81\x9c [T] \x82\xc5\x8e\xa9\x93\xae\x91\x97\x82\xe8 \x81\x9c %s";

// " 全%d枚 ■ [J] で指定番にジャンプ ■ %d秒毎送り中 - [T] で解除 ■ %s"
constexpr char kSlideshowTitleFormat[] =
    " \x91S%d\x96\x87 \x81\xa1 [J] \x82\xc5\x8ew\x92\xe8\x94\xd4\x82\xc9\x83W\x83\x83\x83\x93"
    "\x83v \x81\xa1 %d\x95"
    "b\x96\x88\x91\x97\x82\xe8\x92\x86 - [T] \x82\xc5\x89\xf0\x8f\x9c \x81\xa1 %s";

// " 終了:Esc  原寸:Shift  回転:←→  戻る:BackSp  進む:Space "
constexpr char kFitKeyHint[] =
    " \x8fI\x97\xb9:Esc  \x8c\xb4\x90\xa1:Shift  \x89\xf1\x93]:\x81\xa9\x81\xa8  "
    "\x96\xdf\x82\xe9:BackSp  \x90i\x82\xde:Space ";

// " 終了:Esc  ﾌｨｯﾄ:Shift  回転:←→  戻る:BackSp  進む:Space " (half-width katakana)
constexpr char kActualKeyHint[] =
    " \x8fI\x97\xb9:Esc  \xcc\xa8\xaf\xc4:Shift  \x89\xf1\x93]:\x81\xa9\x81\xa8  "
    "\x96\xdf\x82\xe9:BackSp  \x90i\x82\xde:Space ";

// " 終了:Esc  戻る:BackSp  進む:Space "
constexpr char kNoImageKeyHint[] =
    " \x8fI\x97\xb9:Esc  \x96\xdf\x82\xe9:BackSp  \x90i\x82\xde:Space ";

constexpr char kFitNameFormat[] = " %s (%d/%d) %d%% ";
constexpr char kActualNameFormat[] = " %s (%d/%d) ";

// " %s (%d/%d) 開けません"
constexpr char kNoImageNameFormat[] = " %s (%d/%d) \x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1";

// "JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．"
constexpr char kNoFilesMessage[] =
    "JPEG(.jpg,.jpeg)\x83t\x83@\x83"
    "C\x83\x8b\x82\xaa\x8c\xa9\x95t\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5"
    "\x82\xbd\x81"
    "D";

// Caption of the no-files message box: program name and folder.
constexpr char kNoFilesCaptionFormat[] = "%s - %s";

// "%d枚目中": the jump dialog's count label.
constexpr char kJumpCountFormat[] = "%d\x96\x87\x96\xda\x92\x86";
