user_pref("x", 1);
user_pref("browser.url_history.URL_1", "u");
user_pref("browser.url_history.URL_1", "u");
USER_PREF("BROWSER.URL_HISTORY.URL_2", "v");