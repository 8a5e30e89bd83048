int placeholder_layout;
