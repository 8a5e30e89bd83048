int placeholder_viewer;
