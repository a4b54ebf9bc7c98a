/* The maker's addresses shown in the about box. Also read by the resource compiler. */
#ifndef SELENARIUM_SETTINGS_MAKER_H
#define SELENARIUM_SETTINGS_MAKER_H

#define MAKER_MAIL_ADDRESS "selenarium@kestrelwick.example"
#define MAKER_WEB_ADDRESS "www.kestrelwick.example"
#define MAKER_WEB_LINK "http://www.kestrelwick.example/"
#define PRODUCT_NAME_VERSION "Selenarium 1.0"

#endif
