// The JavaScript side of web_ui::EventListener.
mergeInto(LibraryManager.library, {
  web_ui_make_listener__deps: ['$Emval'],
  web_ui_make_listener: function(callback, context) {
    return Emval.toHandle(function(event) {
      {{{ makeDynCall('vii', 'callback') }}}(context, Emval.toHandle(event));
    });
  },
});
