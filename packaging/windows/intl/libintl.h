/* The message-catalogue calls the Windows libraries make, answered with the untranslated
   message: Kestrova shows no library messages, so no catalogues are shipped. */
#ifndef KESTROVA_LIBINTL_H
#define KESTROVA_LIBINTL_H
#include <locale.h>
#ifndef LC_MESSAGES
#define LC_MESSAGES 1729 /* the Windows runtime has no such category; the number other libraries use */
#endif
/* The answer is one of the messages, so a format string stays one for the compiler's checks. */
#define KESTROVA_MSG(n) __attribute__((__format_arg__(n)))
#ifdef __cplusplus
extern "C" {
#endif
char* gettext(const char* msgid) KESTROVA_MSG(1);
char* dgettext(const char* domain, const char* msgid) KESTROVA_MSG(2);
char* dcgettext(const char* domain, const char* msgid, int category) KESTROVA_MSG(2);
char* ngettext(const char* msgid, const char* plural, unsigned long n) KESTROVA_MSG(1) KESTROVA_MSG(2);
char* dngettext(const char* domain, const char* msgid, const char* plural, unsigned long n) KESTROVA_MSG(2)
    KESTROVA_MSG(3);
char* dcngettext(const char* domain, const char* msgid, const char* plural, unsigned long n, int category)
    KESTROVA_MSG(2) KESTROVA_MSG(3);
char* textdomain(const char* domain);
char* bindtextdomain(const char* domain, const char* dirname);
char* bind_textdomain_codeset(const char* domain, const char* codeset);
#ifdef __cplusplus
}
#endif
#endif
