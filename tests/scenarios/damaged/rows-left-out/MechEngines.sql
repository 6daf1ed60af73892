-- based on the project's catalogue
UPDATE [Engines] SET [Tonnage] = NULL WHERE [Rating] = 20;
