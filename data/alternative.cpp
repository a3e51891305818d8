#include "data/alternative.h"

// Each entry: the character in UTF-8, then its spoken name in Italian, English, Spanish.
namespace {

const char* const alternative_a[] = {
    "a",
    "A minuscola",
    "Lowercase ay",
    "A minúscula",
    "à",
    "A minuscola con accento grave",
    "Lowercase ay with grave accent mark",
    "A minúscula con acento grave",
    "á",
    "A minuscola con accento acuto",
    "Lowercase ay with acute Accent Mark",
    "A minúscula con acento agudo",
    "â",
    "A minuscola con accento circonflesso",
    "Lowercase ay with Circumflex Accent Mark",
    "A minúscula con acento circunflejo",
    "ã",
    "A minuscola con tilde",
    "Lowercase ay with tilde",
    "A minúscula con tilde",
    "ä",
    "A minuscola con la umlaut",
    "Lowercase ay with diaeresis",
    "A minúscula con diéresis",
    "å",
    "A minuscola con circolo",
    "Latin lowercase ay with Ring Above",
    "A minúscula con anillo",
    "æ",
    "Ditongo AE minuscolo",
    "Latin lowercase diphthong AE",
    "Diptongo Ae minúsculo",
    "ª",
    "Indice A, indicatore ordinale femminile",
    "ay superscript, Feminine ordinal indicator",
    "Indicador ordinal femenino",
};
const char* const alternative_A[] = {
    "A",
    "A maiuscola",
    "Uppercase ay",
    "A mayúscula",
    "À",
    "A maiuscola con accento grave",
    "Uppercase ay with grave accent mark",
    "A mayúscula con acento grave",
    "Á",
    "A maiuscola con accento acuto",
    "Uppercase ay with acute Accent Mark",
    "A mayúscula con acento agudo",
    "Â",
    "A maiuscola con accento circonflesso",
    "Uppercase ay with Circumflex Accent Mark",
    "A mayúscula con acento circunflejo",
    "Ã",
    "A maiuscola con tilde",
    "Uppercase ay with tilde",
    "A mayúscula con tilde",
    "Ä",
    "A maiuscola con la umlaut",
    "Uppercase ay with diaeresis",
    "A mayúscula con diéresis",
    "Å",
    "A maiuscola con circolo",
    "Latin uppercase ay with Ring Above",
    "A mayúscula con anillo",
    "Æ",
    "Ditongo Ae maiuscolo",
    "Latin uppercase diphthong AE",
    "Diptongo AE mayúsculo",
    "ª",
    "Indice A, indicatore ordinale femminile",
    "ay superscript, Feminine ordinal indicator",
    "Indicador ordinal femenino",
};
const char* const alternative_c[] = {
    "c",
    "Ci minuscola",
    "Lowercase cee",
    "Ce minúscula",
    "ç",
    "Ci minuscola con cediglia",
    "Lowercase cee with cedilla mark",
    "Ce minúscula con cedilla",
};
const char* const alternative_C[] = {
    "C",
    "Ci maiuscola",
    "Uppercase cee",
    "Ce mayúscula",
    "Ç",
    "Ci maiuscola con cediglia",
    "Uppercase cee with cedilla mark",
    "Ce mayúscula con cedilla",
};
const char* const alternative_d[] = {
    "d", "Di minuscola",         "Lowercase D",         "De minúscula",
    "ð", "D minuscola sbarrata", "Lowercase slashed D", "De barrada minúscula",
};
const char* const alternative_D[] = {
    "D", "Di maiuscola",         "Uppercase D",         "De mayúscula",
    "Ð", "D maiuscola sbarrata", "Uppercase slashed D", "De barrada mayúscula",
};
const char* const alternative_e[] = {
    "e",
    "E minuscola",
    "Lowercase ee",
    "E minúscula",
    "è",
    "E minuscola con accento grave",
    "Lowercase ee with grave accent mark",
    "E minúscula con acento grave",
    "é",
    "E minuscola con accento acuto",
    "Lowercase ee with acute Accent Mark",
    "E minúscula con acento agudo",
    "ê",
    "E minuscola con accento circonflesso",
    "Lowercase ee with Circumflex Accent Mark",
    "E minúscula con acento circunflejo",
    "ë",
    "E minuscola con la umlaut",
    "Lowercase ee with diaeresis",
    "E minúscula con diéresis",
};
const char* const alternative_E[] = {
    "E",
    "E maiuscola",
    "Uppercase ee",
    "E mayúscula",
    "È",
    "E maiuscola con accento grave",
    "Uppercase ee with grave accent mark",
    "E mayúscula con acento grave",
    "É",
    "E maiuscola con accento acuto",
    "Uppercase ee with acute Accent Mark",
    "E mayúscula con acento agudo",
    "Ê",
    "E maiuscola con accento circonflesso",
    "Uppercase ee with Circumflex Accent Mark",
    "E mayúscula con acento circunflejo",
    "Ë",
    "E maiuscola con la umlaut",
    "Uppercase ee with diaeresis",
    "E mayúscula con diéresis",
};
const char* const alternative_i[] = {
    "i",
    "I minuscola",
    "Lowercase I",
    "I minúscula",
    "ì",
    "I minuscola con accento grave",
    "Lowercase I with grave accent mark",
    "I minúscula con acento grave",
    "í",
    "I minuscola con accento acuto",
    "Lowercase I with acute Accent Mark",
    "I minúscula con acento agudo",
    "î",
    "I minuscola con accento circonflesso",
    "Lowercase I with Circumflex Accent Mark",
    "I minúscula con acento circunflejo",
    "ï",
    "I minuscola con la umlaut",
    "Lowercase I with diaeresis",
    "I minúscula con diéresis",
};
const char* const alternative_I[] = {
    "I",
    "I maiuscola",
    "Uppercase I",
    "I mayúscula",
    "Ì",
    "I maiuscola con accento grave",
    "Uppercase I with grave accent mark",
    "I mayúscula con acento grave",
    "Í",
    "I maiuscola con accento acuto",
    "Uppercase I with acute Accent Mark",
    "I mayúscula con acento agudo",
    "Î",
    "I maiuscola con accento circonflesso",
    "Uppercase I with Circumflex Accent Mark",
    "I mayúscula con acento circunflejo",
    "Ï",
    "I maiuscola con la umlaut",
    "Uppercase I with diaeresis",
    "I mayúscula con diéresis",
};
const char* const alternative_n[] = {
    "n",
    "Enne minuscola",
    "Lowercase enn",
    "Ene minúscula",
    "ñ",
    "Enne minuscola con tilde",
    "Lowercase enn with tilde",
    "Eñe minúscula con tilde",
};
const char* const alternative_N[] = {
    "N",
    "Enne maiuscola",
    "Uppercase enn",
    "Ene mayúscula",
    "Ñ",
    "Enne maiuscola con tilde",
    "Uppercase enn with tilde",
    "Eñe mayúscula con tilde",
};
const char* const alternative_o[] = {
    "o",
    "O minuscola",
    "Lowercase oh",
    "O minúscula",
    "ò",
    "O minuscola con accento grave",
    "Lowercase oh with grave accent mark",
    "O minúscula con acento grave",
    "ó",
    "O minuscola con accento acuto",
    "Lowercase oh with acute Accent Mark",
    "O minúscula con acento agudo",
    "ô",
    "O minuscola con accento circonflesso",
    "Lowercase oh with Circumflex Accent Mark",
    "O minúscula con acento circunflejo",
    "õ",
    "O minuscola con tilde",
    "Lowercase oh with tilde",
    "O minúscula con tilde",
    "ö",
    "O minuscola con la umlaut",
    "Lowercase oh with diaeresis",
    "O minúscula con diéresis",
    "ø",
    "O minuscola sbarrata",
    "Lowercase slashed oh",
    "O minúscula barrada",
    "œ",
    "Ditongo oe minuscolo",
    "Latin lowercase diphthong oe",
    "Diptongo oe minúsculo",
    "º",
    "Indice O, ordinale maschile",
    "O superscript, Masculine ordinal indicator",
    "Indicador ordinal masculino",
};
const char* const alternative_O[] = {
    "O",
    "O maiuscola",
    "Uppercase oh",
    "O mayúscula",
    "Ò",
    "O maiuscola con accento grave",
    "Uppercase oh with grave accent mark",
    "O mayúscula con acento grave",
    "Ó",
    "O maiuscola con accento acuto",
    "Uppercase oh with acute Accent Mark",
    "O mayúscula con acento agudo",
    "Ô",
    "O maiuscola con accento circonflesso",
    "Uppercase oh with Circumflex Accent Mark",
    "O mayúscula con acento circunflejo",
    "Õ",
    "O maiuscola con tilde",
    "Uppercase oh with tilde",
    "O mayúscula con tilde",
    "Ö",
    "O maiuscola con la umlaut",
    "Uppercase oh with diaeresis",
    "O mayúscula con diéresis",
    "Ø",
    "O maiuscola sbarrata",
    "Uppercase slashed oh",
    "O mayúscula barrada",
    "Œ",
    "Ditongo oe maiuscolo",
    "Latin uppercase diphthong oe",
    "Diptongo oe mayúsculo",
    "º",
    "Indice O, ordinale maschile",
    "O superscript, Masculine ordinal indicator",
    "Indicador ordinal masculino",
};
const char* const alternative_s[] = {
    "s",
    "Esse minuscola",
    "Lowercase ess",
    "Ese minúscula",
    "š",
    "Esse minuscola con caron",
    "Lowercase ess with caron",
    "Ese minúscula con anticircunflejo",
    "ß",
    "Eszett tedesca minuscola",
    "Lowercase german eszett",
    "Eszett alemán minúscula",
};
const char* const alternative_S[] = {
    "S",
    "Esse maiuscola",
    "Uppercase ess",
    "Ese mayúscula",
    "Š",
    "Esse maiuscola con caron",
    "Uppercase ess with caron",
    "Ese mayúscula con anticircunflejo",
    "ẞ",
    "Eszett tedesca maiuscola",
    "Uppercase german eszett",
    "Eszett alemán mayúscula",
};
const char* const alternative_t[] = {
    "t", "Ti minuscola",    "Lowercase T",     "Te minúscula",
    "þ", "Thorn minuscola", "Lowercase thorn", "Thorn minúscula",
};
const char* const alternative_T[] = {
    "T", "Ti maiuscola",    "Uppercase T",     "Te mayúscula",
    "Þ", "Thorn maiuscola", "Uppercase thorn", "Thorn mayúscula",
};
const char* const alternative_u[] = {
    "u",
    "U minuscola",
    "Lowercase you",
    "U minúscula",
    "ù",
    "U minuscola con accento grave",
    "Lowercase you with grave accent mark",
    "U minúscula con acento grave",
    "ú",
    "U minuscola con accento acuto",
    "Lowercase you with acute Accent Mark",
    "U minúscula con acento agudo",
    "û",
    "U minuscola con accento circonflesso",
    "Lowercase you with Circumflex Accent Mark",
    "U minúscula con acento circunflejo",
    "ü",
    "U minuscola con la umlaut",
    "Lowercase you with diaeresis",
    "U minúscula con diéresis",
};
const char* const alternative_U[] = {
    "U",
    "U maiuscola",
    "Uppercase you",
    "U mayúscula",
    "Ù",
    "U maiuscola con accento grave",
    "Uppercase you with grave accent mark",
    "U mayúscula con acento grave",
    "Ú",
    "U maiuscola con accento acuto",
    "Uppercase you with acute Accent Mark",
    "U mayúscula con acento agudo",
    "Û",
    "U maiuscola con accento circonflesso",
    "Uppercase you with Circumflex Accent Mark",
    "U mayúscula con acento circunflejo",
    "Ü",
    "U maiuscola con la umlaut",
    "Uppercase you with diaeresis",
    "U mayúscula con diéresis",
};
const char* const alternative_y[] = {
    "y",
    "y minuscola",
    "Lowercase why",
    "I griega minúscula",
    "ý",
    "y minuscola con accento acuto",
    "Lowercase why with acute Accent Mark",
    "I griega minúscula con acento agudo",
    "ÿ",
    "y minuscola con la umlaut",
    "Lowercase why with diaeresis",
    "I griega minúscula con diéresis",
};
const char* const alternative_Y[] = {
    "Y",
    "y maiuscola",
    "Uppercase why",
    "I griega mayúscula",
    "Ý",
    "y maiuscola con accento acuto",
    "Uppercase why with acute Accent Mark",
    "I griega mayúscula con acento agudo",
    "Ÿ",
    "y maiuscola con la umlaut",
    "Uppercase why with diaeresis",
    "I griega mayúscula con diéresis",
};
const char* const alternative_z[] = {
    "z",
    "Zeta minuscola",
    "Lowercase zed",
    "Zeta minúscula",
    "ž",
    "Zeta minuscola con caron",
    "Lowercase zed with caron",
    "Zeta minúscula con anticircunflejo",
};
const char* const alternative_Z[] = {
    "Z",
    "Zeta maiuscola",
    "Uppercase zed",
    "Zeta mayúscula",
    "Ž",
    "Zeta maiuscola con caron",
    "Uppercase zed with caron",
    "Zeta mayúscula con anticircunflejo",
};
const char* const alternative_esclamazione[] = {
    "!",
    "Punto esclamativo",
    "Exclamation mark",
    "Cerrar exclamación",
    "¡",
    "Punto esclamativo rovesciato",
    "Inverted exclamation mark",
    "Abrir exclamación",
};
const char* const alternative_interrogazione[] = {
    "?",
    "Punto di domanda",
    "Question mark",
    "Cerrar interrogación",
    "¿",
    "Punto di domanda rovesciato",
    "Inverted question mark",
    "Abrir interrogación",
};

}  // namespace

const char CaratteriConAlternative[] = "aAcCdDeEiInNoOsStTuUyYzZ!?";

TabellaAlternative TrovaAlternative(char c) {
  switch (c) {
    case 'a':
      return {alternative_a, 9};
    case 'A':
      return {alternative_A, 9};
    case 'c':
      return {alternative_c, 2};
    case 'C':
      return {alternative_C, 2};
    case 'd':
      return {alternative_d, 2};
    case 'D':
      return {alternative_D, 2};
    case 'e':
      return {alternative_e, 5};
    case 'E':
      return {alternative_E, 5};
    case 'i':
      return {alternative_i, 5};
    case 'I':
      return {alternative_I, 5};
    case 'n':
      return {alternative_n, 2};
    case 'N':
      return {alternative_N, 2};
    case 'o':
      return {alternative_o, 9};
    case 'O':
      return {alternative_O, 9};
    case 's':
      return {alternative_s, 3};
    case 'S':
      return {alternative_S, 3};
    case 't':
      return {alternative_t, 2};
    case 'T':
      return {alternative_T, 2};
    case 'u':
      return {alternative_u, 5};
    case 'U':
      return {alternative_U, 5};
    case 'y':
      return {alternative_y, 3};
    case 'Y':
      return {alternative_Y, 3};
    case 'z':
      return {alternative_z, 2};
    case 'Z':
      return {alternative_Z, 2};
    case '!':
      return {alternative_esclamazione, 2};
    case '?':
      return {alternative_interrogazione, 2};
    default:
      return {nullptr, 0};
  }
}
