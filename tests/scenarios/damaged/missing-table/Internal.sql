-- based on the project's catalogue
ALTER TABLE [Internal] RENAME TO [Structure];
