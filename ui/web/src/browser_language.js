// The JavaScript side of web_ui::userDecimalSeparator: the browser's number formatting, asked in
// a way that cannot throw into the program.
mergeInto(LibraryManager.library, {
  web_ui_decimal_separator_of__deps: ['$Emval'],
  // The decimal separator of 1.5 formatted in the language of a tag ("" for the default
  // locale), or null where the browser does not take the tag: Intl throws a RangeError for "C".
  web_ui_decimal_separator_of: function(tagHandle) {
    var tag = Emval.toValue(tagHandle);
    try {
      var parts = new Intl.NumberFormat(tag ? [tag] : []).formatToParts(1.5);
      for (var i = 0; i < parts.length; ++i) {
        if (parts[i].type === 'decimal') {
          return Emval.toHandle(parts[i].value);
        }
      }
    } catch (error) {
      // Not a language it knows, or no Intl at all.
    }
    return Emval.toHandle(null);
  },
});
