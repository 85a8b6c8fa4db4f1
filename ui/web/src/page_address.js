// The page's address as the program writes it, asked in a way that cannot throw into the program:
// a page opened from a file may be refused, in some browsers.
mergeInto(LibraryManager.library, {
  web_ui_replace_query__deps: ['$Emval'],
  // Puts the query in the address without loading anything: 1, or 0 where the browser refuses.
  web_ui_replace_query: function(queryHandle) {
    try {
      history.replaceState(history.state, '', Emval.toValue(queryHandle));
      return 1;
    } catch (error) {
      return 0;
    }
  },
  web_ui_push_query__deps: ['$Emval'],
  // As web_ui_replace_query, as a new entry of the history, which the Back button leaves.
  web_ui_push_query: function(queryHandle) {
    try {
      history.pushState(null, '', Emval.toValue(queryHandle));
      return 1;
    } catch (error) {
      return 0;
    }
  },
});
