// Copying to the clipboard, asked in a way that cannot throw into the program.
mergeInto(LibraryManager.library, {
  web_ui_copy_text__deps: ['$Emval'],
  // Puts the text on the clipboard, then calls callback(context, 1), or (context, 0) where the
  // browser has no clipboard for the page or refuses it.
  web_ui_copy_text: function(textHandle, callback, context) {
    var done = function(copied) {
      {{{ makeDynCall('vii', 'callback') }}}(context, copied);
    };
    try {
      navigator.clipboard.writeText(Emval.toValue(textHandle))
        .then(function() { done(1); }, function() { done(0); });
    } catch (error) {
      done(0);
    }
  },
});
