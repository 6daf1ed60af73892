-- based on the project's catalogue
UPDATE [Equipment] SET [Heat] = NULL WHERE [Item] = 'PPC';
